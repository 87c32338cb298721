// The index of every shown row, computed lazily.
//
// The indexer remembers the last row whose index it computed; every shown row up to it holds its right
// index, every later row holds a larger (stale) one or -1. A question about a later row walks on from
// that row, so asking for every row in order costs one pass however the rows were changed before. A
// change moves the remembered row back to just before the change; rows that stop being shown forget
// their index, so that a stale index never looks valid when they are shown again.
#pragma once

#include "LumoControls/TreeGrid/TreeTypes.h"

namespace lumo
{
class RowIndexer
{
public:
    explicit RowIndexer(TreeModel& model) : m_model(model) {}

    // The node's index among the shown rows; -1 when it is not shown.
    int IndexOf(TreeNode& node);
    // The row shown before / after a shown node (null at the ends); walks skip collapsed and hidden nodes.
    TreeNode* PreviousShown(TreeNode const& node) const;
    TreeNode* NextShown(TreeNode const& node) const;
    TreeNode* FirstShown() const;

    // Rows change at the shown node (the node itself keeps its index; later rows move).
    void ChangedAfter(TreeNode const& node);
    // Rows change at the place of the node (its own index may change too).
    void ChangedAt(TreeNode const& node);
    // Every index must be computed again.
    void ForgetAll() { m_last = nullptr; }
    // The node and the shown rows below it stop being shown: their indices are forgotten.
    void Hiding(TreeNode& node);
    // The host set an index by hand.
    void IndexSet(TreeNode& node, int oldIndex);

private:
    bool IsValid(TreeNode const& node) const;

    TreeModel& m_model;
    TreeNode* m_last = nullptr; // the last row whose index is known; null when none is
};
} // namespace lumo
