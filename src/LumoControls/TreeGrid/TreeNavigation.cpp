#include "LumoControls/TreeGrid/TreeNavigation.h"

#include "LumoControls/TreeGrid/StyleTypes.h"

#include <algorithm>
#include <cstdlib>
#include <cwctype>

namespace
{
using namespace lumo;

TreeNode* StepRow(RowPositions& rows, TreeNode& node, bool down)
{
    return down ? rows.NextShown(node) : rows.PreviousShown(node);
}

// From the node on (itself included) the way `down` goes, the first row whose cell in the column is
// navigable.
TreeCell* FirstNavigableInColumn(TreeModel& model, TreeNode* node, TreeColumn& column, bool down)
{
    for (; node != nullptr; node = StepRow(model.Rows(), *node, down))
        if (TreeCell* const cell = model.CellOf(*node, column); cell != nullptr && IsNavigable(*cell))
            return cell;
    return nullptr;
}

bool StartsWith(std::wstring const& text, std::wstring const& prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::towlower(text[i]) != std::towlower(prefix[i]))
            return false;
    return true;
}

// The first row from `start` (wrapping once round all rows) whose existing cell in the column begins
// with the prefix. A cell never made has no text, so only made cells are looked at.
TreeCell* FindFrom(TreeModel& model, TreeNode& start, TreeColumn& column, std::wstring const& prefix)
{
    RowPositions& rows = model.Rows();
    TreeNode* node = &start;
    do
    {
        TreeCell* const cell = node->FindCell(column);
        if (cell != nullptr && cell->IsVisible() && StartsWith(cell->GetText(), prefix))
            return cell;
        node = rows.NextShown(*node);
        if (node == nullptr)
            node = rows.FirstShown();
    } while (node != nullptr && node != &start);
    return nullptr;
}
} // namespace

bool lumo::IsNavigable(TreeCell const& cell)
{
    return cell.IsVisible() && !cell.HasState(kStateDisable) && !cell.GetNode().HasState(kStateDisable) &&
           !cell.GetColumn().HasState(kStateDisable) && cell.GetColumn().IsVisible() &&
           cell.GetNode().IsShown();
}

lumo::TreeCell* lumo::MoveTarget(TreeModel& model, TreeCell& from, KeyMove move, int pageRows)
{
    TreeNode& node = from.GetNode();
    TreeColumn& column = from.GetColumn();
    RowPositions& rows = model.Rows();
    switch (move)
    {
    case KeyMove::Left:
    case KeyMove::Right:
    {
        std::vector<TreeColumn*> const& columns = model.Columns();
        int const step = move == KeyMove::Right ? 1 : -1;
        for (int i = model.GetColumnIndex(column) + step; i >= 0 && i < static_cast<int>(columns.size());
             i += step)
            if (TreeCell* const cell = model.CellOf(node, *columns[i]); cell != nullptr && IsNavigable(*cell))
                return cell;
        return nullptr;
    }
    case KeyMove::Up:
    case KeyMove::Down:
    {
        TreeNode* const next = StepRow(rows, node, move == KeyMove::Down);
        return next != nullptr ? FirstNavigableInColumn(model, next, column, move == KeyMove::Down) : nullptr;
    }
    case KeyMove::PageUp:
    case KeyMove::PageDown:
    {
        bool const down = move == KeyMove::PageDown;
        TreeNode* target = &node;
        for (int i = 0; i < std::max(pageRows, 1); ++i)
        {
            TreeNode* const next = StepRow(rows, *target, down);
            if (next == nullptr)
                break;
            target = next;
        }
        return target != &node ? FirstNavigableInColumn(model, target, column, down) : nullptr;
    }
    case KeyMove::Home:
        return FirstNavigableInColumn(model, rows.FirstShown(), column, true);
    case KeyMove::End:
        return FirstNavigableInColumn(model, rows.LastShown(), column, false);
    case KeyMove::Parent:
    {
        TreeNode* const parent = node.GetParent();
        TreeColumn* const treeColumn = model.GetTreeColumn();
        if (parent == nullptr || parent->IsRoot() || treeColumn == nullptr)
            return nullptr;
        TreeCell* const cell = model.CellOf(*parent, *treeColumn);
        return cell != nullptr && IsNavigable(*cell) ? cell : nullptr;
    }
    }
    return nullptr;
}

std::vector<lumo::TreeCell*> lumo::RangeCells(TreeModel& model, TreeCell& anchor, TreeCell& target)
{
    std::vector<TreeCell*> cells;
    RowPositions& rows = model.Rows();
    int const anchorRow = rows.IndexOf(anchor.GetNode());
    int const targetRow = rows.IndexOf(target.GetNode());
    if (anchorRow < 0 || targetRow < 0)
        return cells;
    int const firstColumn =
        std::min(model.GetColumnIndex(anchor.GetColumn()), model.GetColumnIndex(target.GetColumn()));
    int const lastColumn =
        std::max(model.GetColumnIndex(anchor.GetColumn()), model.GetColumnIndex(target.GetColumn()));
    TreeNode* const last = anchorRow <= targetRow ? &target.GetNode() : &anchor.GetNode();
    for (TreeNode* node = anchorRow <= targetRow ? &anchor.GetNode() : &target.GetNode(); node != nullptr;
         node = rows.NextShown(*node))
    {
        for (int i = firstColumn; i <= lastColumn; ++i)
        {
            TreeColumn& column = *model.Columns()[i];
            if (!column.IsVisible())
                continue;
            if (TreeCell* const cell = model.CellOf(*node, column); cell != nullptr && cell->IsVisible())
                cells.push_back(cell);
        }
        if (node == last)
            break;
    }
    return cells;
}

lumo::TreeCell* lumo::TypeAhead::Type(TreeModel& model, TreeCell* focus, wchar_t character, unsigned now)
{
    if (m_prefix.empty() || now - m_last >= kPause)
        m_prefix.clear();
    m_prefix += character;
    m_last = now;
    TreeColumn* const column =
        focus != nullptr ? &focus->GetColumn() : (model.GetColumnCount() > 0 ? &model.GetColumn(0) : nullptr);
    TreeNode* start =
        focus != nullptr && focus->GetNode().IsShown() ? &focus->GetNode() : model.Rows().FirstShown();
    if (column == nullptr || start == nullptr)
        return nullptr;
    if (m_prefix.size() == 1 && focus != nullptr)
    {
        TreeNode* const next = model.Rows().NextShown(*start);
        start = next != nullptr ? next : model.Rows().FirstShown();
    }
    if (TreeCell* const found = FindFrom(model, *start, *column, m_prefix))
        return found;
    return FindFrom(model, *start, *column, std::wstring(1, character));
}

lumo::DropZone lumo::ZoneOf(int top, int bottom, int y)
{
    int const quarter = (bottom - top) / 4;
    if (top + quarter <= y && y <= bottom - quarter)
        return DropZone::Onto;
    return y < (top + bottom) / 2 ? DropZone::Above : DropZone::Below;
}

lumo::NodePlace lumo::PlaceFor(TreeNode& target, DropZone zone)
{
    switch (zone)
    {
    case DropZone::Onto:
        return NodePlace{&target, target.GetLastChild()};
    case DropZone::Above:
        return NodePlace{target.GetParent(), target.GetPrevSibling()};
    case DropZone::Below:
    default:
        return NodePlace{target.GetParent(), &target};
    }
}

bool lumo::AcceptsDrop(TreeNode const& target, std::vector<TreeNode*> const& dragged)
{
    return std::none_of(dragged.begin(), dragged.end(),
                        [&](TreeNode const* node)
                        { return &target == node || target.IsDescendantOf(*node); });
}

std::vector<lumo::TreeNode*> lumo::DraggedNodes(TreeModel& model)
{
    std::vector<TreeNode*> nodes;
    TreeColumn* const treeColumn = model.GetTreeColumn();
    if (treeColumn == nullptr)
        return nodes;
    for (TreeCell* const cell : model.GetSelectedCells())
    {
        if (&cell->GetColumn() != treeColumn)
            continue;
        TreeNode& node = cell->GetNode();
        bool underSelected = false;
        for (TreeNode* ancestor = node.GetParent();
             ancestor != nullptr && !ancestor->IsRoot() && !underSelected; ancestor = ancestor->GetParent())
        {
            TreeCell const* const above = ancestor->FindCell(*treeColumn);
            underSelected = above != nullptr && above->IsSelected();
        }
        if (!underSelected)
            nodes.push_back(&node);
    }
    return nodes;
}

bool lumo::PassesDragThreshold(Point press, Point now)
{
    return std::abs(now.x - press.x) > 5 || std::abs(now.y - press.y) > 5;
}
