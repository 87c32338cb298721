// The index and the top of every shown row, and the height of them all, computed lazily.
//
// The positions remember the last row whose index and top they computed; every shown row up to it holds
// its right index and top, and can be found by index or by position without a walk. A question about a
// later row walks on from that row, so asking for every row in order costs one pass however the rows were
// changed before. A change moves the remembered row back to just before the change; rows that stop being
// shown forget their index, so that a stale index never looks valid when they are shown again.
//
// The height of all rows is kept up to date by every change as it happens (each costs as much as the
// rows it shows or hides), so that it is known at once after an insertion anywhere; only a change of
// every row's height (the minimum cell height, grid lines) counts it again, when it is next asked for.
#pragma once

#include "LumoControls/TreeGrid/TreeNode.h"

#include <vector>

namespace lumo
{
class RowPositions
{
public:
    explicit RowPositions(TreeModel& model) : m_model(model) {}

    // The node's index among the shown rows; -1 when it is not shown.
    int IndexOf(TreeNode& node);
    // The index the layout last gave the node, without computing anything; -1 when it is not current.
    int KnownIndexOf(TreeNode const& node) const { return IsValid(node) ? node.m_rowIndex : -1; }
    // The node's top (0 for the first row, each row below the one before it by its height and the
    // grid-line gap); -1 when it is not shown.
    int TopOf(TreeNode& node);
    // The row at an index; null beyond the last row.
    TreeNode* RowAt(int index);
    // The row with top <= y < the next row's top; null when y is negative or below the last row.
    TreeNode* RowAtY(int y);
    // The bottom of the last row (with its gap), 0 without rows.
    int TotalHeight();
    // What a row takes of the height: its own and the grid-line gap.
    int SpanOf(TreeNode const& node) const;
    TreeNode* LastShown();

    // The row shown before / after a shown node (null at the ends); walks skip collapsed and hidden nodes.
    TreeNode* PreviousShown(TreeNode const& node) const;
    TreeNode* NextShown(TreeNode const& node) const;
    TreeNode* FirstShown() const;

    // Rows change at the shown node (the node itself keeps its index and top; later rows move).
    void ChangedAfter(TreeNode const& node);
    // Rows change at the place of the node (its own index may change too).
    void ChangedAt(TreeNode const& node);
    // Every position must be computed again, and the total height counted again.
    void ForgetAll();
    // The node and the shown rows below it stop being shown (call before): their heights leave the
    // total and their indices are forgotten.
    void Hiding(TreeNode& node);
    // The node and the shown rows below it became shown (call after): their heights join the total.
    void Showing(TreeNode& node);
    // A shown node's height changed from `before`.
    void HeightChanged(TreeNode& node, unsigned before);
    // The host set an index by hand.
    void IndexSet(TreeNode& node, int oldIndex);

private:
    bool IsValid(TreeNode const& node) const;
    void SetLast(TreeNode* node);
    // Walks on from the last known row, giving each row its index and top, until `reached` says stop or
    // the rows end; returns the row it stopped at (null at the end).
    template <class Reached> TreeNode* WalkUntil(Reached const& reached);
    // The summed spans of the node and its shown rows below; the callback sees each of them.
    template <class Visit> int SubtreeSpan(TreeNode& top, Visit const& visit);

    TreeModel& m_model;
    TreeNode* m_last = nullptr;       // the last row whose position is known; null when none is
    std::vector<TreeNode*> m_byIndex; // the known rows by index (only up to m_last is current)
    int m_total = 0;
    bool m_totalKnown = true;
};
} // namespace lumo
