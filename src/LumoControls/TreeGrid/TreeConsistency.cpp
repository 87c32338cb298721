#include "LumoControls/TreeGrid/TreeConsistency.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace
{
using namespace lumo;

// Pointers that must turn out to be live objects. A pointer is never read before the walk of the live
// objects has found it; the walks visit every object once and look each up here, so a check costs one
// pass over the model however big the selection is.
template <class T> class Wanted
{
public:
    void Add(T const* object)
    {
        if (object != nullptr)
            m_objects.push_back(object);
    }
    void Seal()
    {
        std::sort(m_objects.begin(), m_objects.end());
        m_objects.erase(std::unique(m_objects.begin(), m_objects.end()), m_objects.end());
        m_found.assign(m_objects.size(), false);
    }
    void Met(T const* object)
    {
        auto const at = std::lower_bound(m_objects.begin(), m_objects.end(), object);
        if (at != m_objects.end() && *at == object)
            m_found[static_cast<std::size_t>(at - m_objects.begin())] = true;
    }
    bool AllFound() const
    {
        return std::all_of(m_found.begin(), m_found.end(), [](bool found) { return found; });
    }

private:
    std::vector<T const*> m_objects;
    std::vector<bool> m_found;
};

std::string CheckTree(TreeModel& model, Wanted<TreeNode>& nodes)
{
    std::size_t count = 0;
    for (TreeNode* node = model.GetRoot().GetFirstChild(); node != nullptr; node = node->GetNextInTree())
    {
        TreeNode* const parent = node->GetParent();
        if (parent == nullptr || node->GetLevel() != parent->GetLevel() + 1)
            return "a node's level does not follow its parent's";
        if ((node->GetPrevSibling() == nullptr) != (parent->GetFirstChild() == node))
            return "a parent's first child is not the child without a previous sibling";
        nodes.Met(node);
        ++count;
    }
    if (count != model.GetNodeCount())
        return "the node count is " + std::to_string(model.GetNodeCount()) + " but the tree holds " +
               std::to_string(count);
    return nodes.AllFound() ? std::string() : "the interaction refers to a removed node";
}

std::string CheckControls(TreeModel& model, Wanted<FloatControl>& controls)
{
    for (TreeColumn* column : model.Columns())
        for (TreeCell* cell = column->FirstCellObject(); cell != nullptr; cell = cell->NextInColumn())
        {
            if (&cell->GetColumn() != column)
                return "a column holds a cell of another column";
            controls.Met(cell);
        }
    for (unsigned i = 0; i < model.GetFloatControlCount(); ++i)
        controls.Met(&model.GetFloatControl(i));
    return controls.AllFound() ? std::string() : "a selected or referred cell is gone";
}

std::string CheckRows(TreeModel& model)
{
    RowPositions& rows = model.Rows();
    int index = 0;
    for (TreeNode* node = rows.FirstShown(); node != nullptr; node = rows.NextShown(*node), ++index)
        if (!node->IsShown() || rows.IndexOf(*node) != index)
            return "row " + std::to_string(index) + " has the index " + std::to_string(rows.IndexOf(*node));
    return {};
}

// Only once every selected cell is known to be live.
std::string CheckSelectionOrder(TreeModel& model)
{
    int previous = -1;
    bool hiddenSeen = false;
    for (TreeCell* cell : model.GetSelectedCells())
    {
        if (!cell->IsSelected() || cell->GetNode().FindCell(cell->GetColumn()) != cell)
            return "a listed cell is not a selected cell of its node";
        int const row = cell->GetNode().IsShown() ? model.Rows().IndexOf(cell->GetNode()) : -1;
        if (row < 0)
            hiddenSeen = true;
        else if (hiddenSeen || row < previous)
            return "the selection is not in row order";
        else
            previous = row;
    }
    return {};
}

std::string CheckColumns(TreeModel& model)
{
    TreeReferences const& r = model.References();
    std::vector<TreeColumn*> const& columns = model.Columns();
    for (TreeColumn const* column : std::initializer_list<TreeColumn const*>{
             r.hoverColumnHeader, r.pressedColumnHeader, r.resizedColumn, r.draggedColumn, r.dropColumn,
             model.GetTreeColumn(), model.GetSelectedColumn(), model.GetSelectedColumnHeader()})
        if (column != nullptr && std::find(columns.begin(), columns.end(), column) == columns.end())
            return "the model refers to a removed column";
    return {};
}
} // namespace

std::string lumo::CheckConsistency(TreeModel& model)
{
    TreeReferences const& r = model.References();
    if (model.GetSelectedCells().size() != model.GetSelectedCellCount())
        return "the selection's count and its list differ";
    Wanted<FloatControl> controls;
    for (TreeCell const* cell : model.GetSelectedCells())
        controls.Add(cell);
    for (FloatControl const* control : {r.focus, r.hover, r.pressed, r.edited, r.pendingSelection})
        controls.Add(control);
    controls.Add(r.anchor);
    controls.Seal();
    Wanted<TreeNode> nodes;
    for (TreeNode const* node : {r.hoverRowHeader, r.pressedRowHeader, r.topRow, r.resizedRow, r.dropNode})
        nodes.Add(node);
    for (TreeNode const* node : r.draggedNodes)
        nodes.Add(node);
    nodes.Seal();

    std::string problem = CheckTree(model, nodes);
    if (problem.empty())
        problem = CheckColumns(model);
    if (problem.empty())
        problem = CheckControls(model, controls);
    if (problem.empty())
        problem = CheckRows(model);
    if (problem.empty())
        problem = CheckSelectionOrder(model);
    return problem;
}
