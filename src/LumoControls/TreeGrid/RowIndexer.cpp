#include "LumoControls/TreeGrid/RowIndexer.h"

#include "LumoControls/TreeGrid/TreeModel.h"

bool lumo::RowIndexer::IsValid(TreeNode const& node) const
{
    return m_last != nullptr && node.m_rowIndex >= 0 && node.m_rowIndex <= m_last->m_rowIndex;
}

lumo::TreeNode* lumo::RowIndexer::FirstShown() const
{
    return m_model.GetRoot().GetFirstVisibleChild();
}

lumo::TreeNode* lumo::RowIndexer::NextShown(TreeNode const& node) const
{
    if (node.IsExpanded())
        if (TreeNode* const child = node.GetFirstVisibleChild())
            return child;
    for (TreeNode const* up = &node; !up->IsRoot(); up = up->GetParent())
        if (TreeNode* const sibling = up->GetNextVisibleSibling())
            return sibling;
    return nullptr;
}

lumo::TreeNode* lumo::RowIndexer::PreviousShown(TreeNode const& node) const
{
    TreeNode* previous = node.GetPrevVisibleSibling();
    if (previous == nullptr)
        return node.GetParent()->IsRoot() ? nullptr : node.GetParent();
    while (previous->IsExpanded())
    {
        TreeNode* const last = previous->GetLastVisibleChild();
        if (last == nullptr)
            break;
        previous = last;
    }
    return previous;
}

int lumo::RowIndexer::IndexOf(TreeNode& node)
{
    if (!node.IsShown())
        return -1;
    if (IsValid(node))
        return node.m_rowIndex;
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        TreeNode* current = m_last;
        if (current == nullptr)
        {
            current = FirstShown();
            current->m_rowIndex = 0;
            m_last = current;
        }
        int index = current->m_rowIndex;
        while (current != &node && (current = NextShown(*current)) != nullptr)
        {
            current->m_rowIndex = ++index;
            m_last = current;
        }
        if (current == &node)
            return index;
        ForgetAll(); // the node lay before the last known row after all: count again from the first
    }
    return -1;
}

void lumo::RowIndexer::ChangedAfter(TreeNode const& node)
{
    if (m_last != nullptr && node.IsShown() && IsValid(node))
        m_last = const_cast<TreeNode*>(&node);
}

void lumo::RowIndexer::ChangedAt(TreeNode const& node)
{
    if (m_last == nullptr || !node.IsShown())
        return;
    TreeNode* const previous = PreviousShown(node);
    if (previous == nullptr)
        m_last = nullptr;
    else if (IsValid(*previous))
        m_last = previous;
}

void lumo::RowIndexer::Hiding(TreeNode& node)
{
    if (!node.IsShown())
        return;
    ChangedAt(node);
    // The node and every shown row below it: the walk stops at the first row after the subtree.
    for (TreeNode* row = &node; row != nullptr && (row == &node || row->IsDescendantOf(node));
         row = NextShown(*row))
        row->m_rowIndex = -1;
}

void lumo::RowIndexer::IndexSet(TreeNode& node, int oldIndex)
{
    if (m_last != nullptr && (m_last == &node || (oldIndex >= 0 && m_last->m_rowIndex >= oldIndex)))
        m_last = nullptr;
}
