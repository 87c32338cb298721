#include "LumoControls/TreeGrid/RowPositions.h"

#include "LumoControls/TreeGrid/TreeModel.h"

#include <algorithm>

bool lumo::RowPositions::IsValid(TreeNode const& node) const
{
    // An index at or before the last known row is not enough: a row that moved down past rows inserted
    // before it keeps its old, smaller index until the walk reaches it again. The known row at that index
    // must be the node itself.
    return m_last != nullptr && node.m_rowIndex >= 0 && node.m_rowIndex <= m_last->m_rowIndex &&
           m_byIndex[static_cast<std::size_t>(node.m_rowIndex)] == &node;
}

void lumo::RowPositions::SetLast(TreeNode* node)
{
    m_last = node;
    m_byIndex.resize(node != nullptr ? static_cast<std::size_t>(node->m_rowIndex) + 1 : 0);
}

int lumo::RowPositions::SpanOf(TreeNode const& node) const
{
    int const gap = m_model.CheckGridLinesStyle(GridLines::kHorizontal) ? 1 : 0;
    return static_cast<int>(node.GetHeight()) + gap;
}

lumo::TreeNode* lumo::RowPositions::FirstShown() const
{
    return m_model.GetRoot().GetFirstVisibleChild();
}

lumo::TreeNode* lumo::RowPositions::NextShown(TreeNode const& node) const
{
    if (node.IsExpanded())
        if (TreeNode* const child = node.GetFirstVisibleChild())
            return child;
    for (TreeNode const* up = &node; !up->IsRoot(); up = up->GetParent())
        if (TreeNode* const sibling = up->GetNextVisibleSibling())
            return sibling;
    return nullptr;
}

lumo::TreeNode* lumo::RowPositions::PreviousShown(TreeNode const& node) const
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

template <class Reached> lumo::TreeNode* lumo::RowPositions::WalkUntil(Reached const& reached)
{
    TreeNode* current = m_last;
    if (current == nullptr)
    {
        current = FirstShown();
        if (current == nullptr)
            return nullptr;
        current->m_rowIndex = 0;
        current->m_top = 0;
        m_byIndex.push_back(current);
        m_last = current;
    }
    while (!reached(*current))
    {
        TreeNode* const next = NextShown(*current);
        if (next == nullptr)
            return nullptr;
        next->m_rowIndex = current->m_rowIndex + 1;
        next->m_top = current->m_top + SpanOf(*current);
        m_byIndex.push_back(next);
        m_last = current = next;
    }
    return current;
}

int lumo::RowPositions::IndexOf(TreeNode& node)
{
    if (!node.IsShown())
        return -1;
    if (IsValid(node))
        return node.m_rowIndex;
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        if (WalkUntil([&](TreeNode const& row) { return &row == &node; }) != nullptr)
            return node.m_rowIndex;
        SetLast(nullptr); // the node lay before the last known row after all: count again from the first
    }
    return -1;
}

int lumo::RowPositions::TopOf(TreeNode& node)
{
    return IndexOf(node) >= 0 ? node.m_top : -1;
}

lumo::TreeNode* lumo::RowPositions::RowAt(int index)
{
    if (index < 0)
        return nullptr;
    if (static_cast<std::size_t>(index) < m_byIndex.size())
        return m_byIndex[static_cast<std::size_t>(index)];
    return WalkUntil([&](TreeNode const& row) { return row.m_rowIndex == index; });
}

lumo::TreeNode* lumo::RowPositions::RowAtY(int y)
{
    if (y < 0)
        return nullptr;
    if (m_last == nullptr || y >= m_last->m_top + SpanOf(*m_last))
        return WalkUntil([&](TreeNode const& row) { return y < row.m_top + SpanOf(row); });
    // Among the known rows: the last one whose top is not below y.
    auto const after = std::upper_bound(m_byIndex.begin(), m_byIndex.end(), y,
                                        [](int value, TreeNode const* row) { return value < row->m_top; });
    return *(after - 1);
}

lumo::TreeNode* lumo::RowPositions::LastShown()
{
    WalkUntil([](TreeNode const&) { return false; });
    return m_last;
}

int lumo::RowPositions::TotalHeight()
{
    if (!m_totalKnown)
    {
        TreeNode* const last = LastShown();
        m_total = last != nullptr ? last->m_top + SpanOf(*last) : 0;
        m_totalKnown = true;
    }
    return m_total;
}

void lumo::RowPositions::ChangedAfter(TreeNode const& node)
{
    if (m_last != nullptr && node.IsShown() && IsValid(node))
        SetLast(const_cast<TreeNode*>(&node));
}

void lumo::RowPositions::ChangedAt(TreeNode const& node)
{
    if (m_last == nullptr || !node.IsShown())
        return;
    TreeNode* const previous = PreviousShown(node);
    if (previous == nullptr)
        SetLast(nullptr);
    else if (IsValid(*previous))
        SetLast(previous);
}

void lumo::RowPositions::ForgetAll()
{
    SetLast(nullptr);
    m_totalKnown = false;
}

template <class Visit> int lumo::RowPositions::SubtreeSpan(TreeNode& top, Visit const& visit)
{
    int span = 0;
    for (TreeNode* row = &top; row != nullptr && (row == &top || row->IsDescendantOf(top));
         row = NextShown(*row))
    {
        span += SpanOf(*row);
        visit(*row);
    }
    return span;
}

void lumo::RowPositions::Hiding(TreeNode& node)
{
    if (!node.IsShown())
        return;
    ChangedAt(node);
    int const span = SubtreeSpan(node, [](TreeNode& row) { row.m_rowIndex = -1; });
    if (m_totalKnown)
        m_total -= span;
}

void lumo::RowPositions::Showing(TreeNode& node)
{
    if (!node.IsShown())
        return;
    ChangedAt(node);
    if (m_totalKnown)
        m_total += SubtreeSpan(node, [](TreeNode&) {});
}

void lumo::RowPositions::HeightChanged(TreeNode& node, unsigned before)
{
    if (!node.IsShown())
        return;
    ChangedAfter(node);
    if (m_totalKnown)
        m_total += static_cast<int>(node.GetHeight()) - static_cast<int>(before);
}

void lumo::RowPositions::IndexSet(TreeNode& node, int oldIndex)
{
    if (m_last != nullptr && (m_last == &node || (oldIndex >= 0 && m_last->m_rowIndex >= oldIndex)))
        SetLast(nullptr);
}
