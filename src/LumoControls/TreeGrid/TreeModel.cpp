#include "LumoControls/TreeGrid/TreeModel.h"

#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"

#include <algorithm>
#include <stdexcept>

namespace
{
using lumo::kStateHover;
using lumo::kStatePush;
using lumo::kStateSelect;

// Sets a flag for the length of a scope, whatever leaves it.
class CFlagScope
{
public:
    CFlagScope(bool& flag, bool value) : m_flag(flag), m_previous(flag) { flag = value; }
    ~CFlagScope() { m_flag = m_previous; }
    CFlagScope(CFlagScope const&) = delete;
    CFlagScope& operator=(CFlagScope const&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};
} // namespace

lumo::TreeModel::TreeModel(ITreeFactory& factory, StyleRegistry& styles, ITreeEvents& events,
                           IKeyState const& keys)
    : m_factory(factory), m_styles(styles), m_events(events), m_keys(keys), m_rows(*this)
{
    m_root = m_factory.NewNode(*this, true);
}

lumo::TreeModel::~TreeModel()
{
    for (TreeNode* node = m_root->m_firstChild; node != nullptr;)
    {
        TreeNode* const next = node->m_next;
        DestroySubtree(*node);
        node = next;
    }
    for (TreeColumn* column : m_columns)
        DestroyColumn(*column);
    for (FreeFloatControl* control : m_floatControls)
        m_factory.DeleteFloatControl(control);
    m_factory.DeleteNode(m_root);
}

void lumo::TreeModel::SetView(ITreeView* view)
{
    m_view = view != nullptr ? view : &m_noView;
}

void lumo::TreeModel::Clear()
{
    while (!m_floatControls.empty())
        RemoveFloatControl(*m_floatControls.back());
    ClearNodes();
    ClearColumns();
}

// --- Settings

void lumo::TreeModel::SetStyle(unsigned bits, bool on)
{
    unsigned const styleBits = on ? m_styleBits | bits : m_styleBits & ~bits;
    if (styleBits == m_styleBits)
        return;
    m_styleBits = styleBits;
    View().LayoutChanged();
}

void lumo::TreeModel::SetGridLinesStyle(unsigned bits, bool on)
{
    unsigned const lineBits = on ? m_lineBits | bits : m_lineBits & ~bits;
    if (lineBits == m_lineBits)
        return;
    m_lineBits = lineBits;
    m_rows.ForgetAll();
    View().RowsChanged(nullptr); // horizontal lines add a pixel to every row
}

void lumo::TreeModel::SetGridLinesColor(COLORREF color)
{
    if (color == m_lineColor)
        return;
    m_lineColor = color;
    View().LayoutChanged();
}

void lumo::TreeModel::SetMinimumCellHeight(unsigned height)
{
    height = std::max(height, kLeastMinimumCellHeight);
    if (height == m_minimumCellHeight)
        return;
    m_minimumCellHeight = height;
    m_rows.ForgetAll();
    View().RowsChanged(nullptr);
}

void lumo::TreeModel::SetNodeIndentation(unsigned indentation)
{
    indentation = std::max(indentation, kLeastNodeIndentation);
    if (indentation == m_nodeIndentation)
        return;
    m_nodeIndentation = indentation;
    View().LayoutChanged();
}

void lumo::TreeModel::SetImageListIconHeight(int height)
{
    if (height == m_imageListIconHeight)
        return;
    m_imageListIconHeight = height;
    m_rows.ForgetAll();
    View().RowsChanged(nullptr);
}

void lumo::TreeModel::SetColumnHeaderIconHeight(int height)
{
    if (height == m_columnHeaderIconHeight)
        return;
    m_columnHeaderIconHeight = height;
    View().LayoutChanged();
}

void lumo::TreeModel::SetRowHeaderIconWidth(int width)
{
    if (width == m_rowHeaderIconWidth)
        return;
    m_rowHeaderIconWidth = width;
    View().LayoutChanged();
}

// --- Headers

void lumo::TreeModel::ShowColumnHeader(bool shown)
{
    if (shown == m_columnHeaderShown)
        return;
    m_columnHeaderShown = shown;
    View().LayoutChanged();
}

void lumo::TreeModel::SetColumnHeaderHeight(unsigned height, bool exact)
{
    if (!exact)
        height = std::max(
            {height, kLeastHeaderSize, static_cast<unsigned>(std::max(0, m_columnHeaderIconHeight))});
    if (height == m_columnHeaderHeight)
        return;
    m_columnHeaderHeight = height;
    View().LayoutChanged();
}

unsigned lumo::TreeModel::GetColumnHeaderHeight() const
{
    return std::max(m_columnHeaderHeight, static_cast<unsigned>(std::max(0, m_columnHeaderIconHeight)));
}

void lumo::TreeModel::ShowRowHeader(bool shown)
{
    if (shown == m_rowHeaderShown)
        return;
    m_rowHeaderShown = shown;
    View().LayoutChanged();
}

void lumo::TreeModel::SetRowHeaderWidth(unsigned width)
{
    width = std::max({width, kLeastHeaderSize, static_cast<unsigned>(std::max(0, m_rowHeaderIconWidth))});
    if (width == m_rowHeaderWidth)
        return;
    m_rowHeaderWidth = width;
    View().LayoutChanged();
}

unsigned lumo::TreeModel::GetRowHeaderWidth() const
{
    return std::max(m_rowHeaderWidth, static_cast<unsigned>(std::max(0, m_rowHeaderIconWidth)));
}

void lumo::TreeModel::SelectColumnHeader(TreeColumn* column)
{
    if (column == m_selectedColumnHeader)
        return;
    if (m_selectedColumnHeader != nullptr)
        View().ColumnChanged(*m_selectedColumnHeader, true);
    m_selectedColumnHeader = column;
    if (column != nullptr)
        View().ColumnChanged(*column, true);
}

// --- Columns

bool lumo::TreeModel::InsertColumn(unsigned index, std::wstring const& title, int width, void* data)
{
    index = std::min(index, GetColumnCount());
    TreeColumn* const column = m_factory.NewColumn(*this, title, width, data);
    try
    {
        if (Announces())
            MakeEager(*column);
        else
            EnsureColumnDefaults();
        if (!m_events.ColumnMayInsert(*column, index))
        {
            DestroyColumn(*column);
            return false;
        }
        m_columns.insert(m_columns.begin() + index, column);
    }
    catch (...)
    {
        DestroyColumn(*column);
        throw;
    }
    View().ColumnsChanged();
    m_events.ColumnInserted(*column);
    return true;
}

void lumo::TreeModel::TakeOutColumn(TreeColumn& column)
{
    // Its selected cells leave the selection without anyone being asked.
    for (TreeCell* cell = column.m_cells; cell != nullptr; cell = cell->m_nextInColumn)
        Unselect(*cell);
    auto const at = std::find(m_columns.begin(), m_columns.end(), &column);
    if (m_lockColumn == &column)
        m_lockColumn = at == m_columns.begin() ? nullptr : *(at - 1);
    ForgetColumn(column);
    m_columns.erase(at);
}

bool lumo::TreeModel::RemoveColumn(TreeColumn& column)
{
    if (GetColumnIndex(column) < 0)
        return true;
    if (!m_events.ColumnMayRemove(column))
        return false;
    TakeOutColumn(column);
    m_events.ColumnRemoved(column);
    View().ColumnsChanged();
    View().LayoutChanged();
    DestroyColumn(column);
    return true;
}

void lumo::TreeModel::ClearColumns()
{
    View().EndEdit(nullptr);
    if (!m_events.ColumnsMayClear())
        return;
    // The host agreed to lose them all: they go without being offered one by one.
    while (!m_columns.empty())
    {
        TreeColumn& column = *m_columns.back();
        TakeOutColumn(column);
        m_events.ColumnRemoved(column);
        DestroyColumn(column);
    }
    View().ColumnsChanged();
    View().LayoutChanged();
    m_events.ColumnsCleared();
}

void lumo::TreeModel::MoveColumnTo(TreeColumn& column, unsigned index)
{
    int const from = GetColumnIndex(column);
    index = std::min(index, GetColumnCount());
    if (from < 0 || static_cast<unsigned>(from) == index)
        return;
    m_columns.erase(m_columns.begin() + from);
    if (index > static_cast<unsigned>(from))
        --index; // it moved rightwards: the index counted the column itself
    m_columns.insert(m_columns.begin() + index, &column);
    View().ColumnsChanged();
}

lumo::TreeColumn& lumo::TreeModel::GetColumn(unsigned index) const
{
    if (index >= m_columns.size())
        throw std::out_of_range("CTreeGrid::GetColumn: no column at this index");
    return *m_columns[index];
}

int lumo::TreeModel::GetColumnIndex(TreeColumn const& column) const
{
    auto const at = std::find(m_columns.begin(), m_columns.end(), &column);
    return at != m_columns.end() ? static_cast<int>(at - m_columns.begin()) : -1;
}

void lumo::TreeModel::SetTreeColumn(TreeColumn* column)
{
    if (column == m_treeColumn)
        return;
    bool const expansionChanges = (column == nullptr) != (m_treeColumn == nullptr);
    m_treeColumn = column;
    if (expansionChanges)
    {
        // Collapsed nodes hide or show their children from now on: every row index is counted again.
        for (TreeNode* node = m_root->m_firstChild; node != nullptr; node = node->GetNextInTree())
            node->m_rowIndex = -1;
        m_rows.ForgetAll();
        m_selection.RowsMoved();
        View().RowsChanged(nullptr);
    }
    View().LayoutChanged();
}

void lumo::TreeModel::LockColumnsUntil(TreeColumn* column)
{
    if (column == m_lockColumn)
        return;
    m_lockColumn = column;
    View().ColumnsChanged();
}

void lumo::TreeModel::SelectColumn(TreeColumn* column)
{
    if (column == m_selectedColumn)
        return;
    if (m_selectedColumn != nullptr)
        View().ColumnChanged(*m_selectedColumn, false);
    m_selectedColumn = column;
    if (column != nullptr)
        View().ColumnChanged(*column, false);
}

void lumo::TreeModel::ColumnVisibilityChanged(TreeColumn& column)
{
    m_events.ColumnVisibilityChanged(column);
    View().ColumnsChanged();
}

void lumo::TreeModel::ColumnTitleChanged(TreeColumn& column)
{
    View().ColumnChanged(column, true);
    m_events.ColumnTitleChanged(column);
    View().ColumnTitleChanged(column);
}

// --- Nodes

void lumo::TreeModel::Link(TreeNode& node, TreeNode& parent, TreeNode* after)
{
    node.m_parent = &parent;
    node.m_prev = after;
    node.m_next = after != nullptr ? after->m_next : parent.m_firstChild;
    (node.m_prev != nullptr ? node.m_prev->m_next : parent.m_firstChild) = &node;
    (node.m_next != nullptr ? node.m_next->m_prev : parent.m_lastChild) = &node;
}

void lumo::TreeModel::Unlink(TreeNode& node)
{
    TreeNode& parent = *node.m_parent;
    (node.m_prev != nullptr ? node.m_prev->m_next : parent.m_firstChild) = node.m_next;
    (node.m_next != nullptr ? node.m_next->m_prev : parent.m_lastChild) = node.m_prev;
    node.m_parent = node.m_prev = node.m_next = nullptr;
}

lumo::TreeNode* lumo::TreeModel::SubtreeEnd(TreeNode const& top)
{
    for (TreeNode const* up = &top; up != nullptr && !up->IsRoot(); up = up->m_parent)
        if (up->m_next != nullptr)
            return up->m_next;
    return nullptr;
}

void lumo::TreeModel::SetLevels(TreeNode& top, int level)
{
    if (top.m_level == level)
        return;
    top.m_level = level;
    TreeNode const* const end = SubtreeEnd(top);
    for (TreeNode* node = top.GetNextInTree(); node != end; node = node->GetNextInTree())
        node->m_level = node->m_parent->m_level + 1;
}

void lumo::TreeModel::EnsureNodeDefaults()
{
    m_styles.GetDefaultStyle(ObjectType::Row);
    m_styles.GetDefaultStyle(ObjectType::RowHeader);
    if (!m_columns.empty())
        m_styles.GetDefaultStyle(ObjectType::Cell);
}

void lumo::TreeModel::EnsureColumnDefaults()
{
    m_styles.GetDefaultStyle(ObjectType::Column);
    m_styles.GetDefaultStyle(ObjectType::ColumnHeader);
    m_styles.GetDefaultStyle(ObjectType::Cell);
}

void lumo::TreeModel::MakeEager(TreeNode& node)
{
    // What creating the node makes, in the order the handler hears of it: each style after the default
    // style it inherits from.
    CFlagScope announcing(m_announcing, true);
    m_styles.GetDefaultStyle(ObjectType::Row);
    node.GetRowStyle();
    m_styles.GetDefaultStyle(ObjectType::RowHeader);
    node.GetRowHeaderStyle();
    node.GetCellStyle();
    for (TreeColumn* column : m_columns)
    {
        m_styles.GetDefaultStyle(ObjectType::Cell);
        NewCell(node, *column);
    }
}

void lumo::TreeModel::MakeEager(TreeColumn& column)
{
    CFlagScope announcing(m_announcing, true);
    m_styles.GetDefaultStyle(ObjectType::Column);
    column.GetColumnStyle();
    m_styles.GetDefaultStyle(ObjectType::ColumnHeader);
    column.GetHeaderStyle();
    m_styles.GetDefaultStyle(ObjectType::Cell);
    column.GetCellStyle();
    for (TreeNode* node = m_root->m_firstChild; node != nullptr; node = node->GetNextInTree())
        NewCell(*node, column);
}

lumo::TreeNode* lumo::TreeModel::AddNode(TreeNode* parent, void* data)
{
    return InsertNode(parent, ParentOrRoot(parent)->m_lastChild, data);
}

lumo::TreeNode* lumo::TreeModel::InsertNode(TreeNode* parent, TreeNode* after, void* data)
{
    TreeNode& parentNode = *ParentOrRoot(parent);
    if (after != nullptr && after->m_parent != &parentNode)
        return nullptr;
    TreeNode* const node = m_factory.NewNode(*this, false);
    node->m_level = parentNode.m_level + 1;
    try
    {
        if (Announces())
            MakeEager(*node);
        else
            EnsureNodeDefaults();
        node->m_rowIndex = parentNode.IsRoot() && after == nullptr ? 0 : -1;
        node->m_data = data;
        if (!m_events.NodeMayInsert(*node, ForHost(&parentNode), after))
        {
            DestroyNode(*node);
            return nullptr;
        }
    }
    catch (...)
    {
        DestroyNode(*node);
        throw;
    }
    Link(*node, parentNode, after);
    ++m_nodeCount;
    m_rows.Showing(*node);
    View().RowsChanged(node);
    m_events.NodeInserted(*node);
    return node;
}

bool lumo::TreeModel::RemoveNode(TreeNode& node)
{
    if (node.IsRoot() || &node.GetModel() != this)
        return false;
    return RemoveSubtree(node);
}

bool lumo::TreeModel::RemoveSubtree(TreeNode& top)
{
    // Depth first, each node offered to the handler before its children; a refusal ends the removal
    // (what was removed by then stays removed: the subtree cannot go while a node of it stays).
    if (!m_events.NodeMayRemove(top))
        return false;
    std::vector<TreeNode*> path{&top};
    while (!path.empty())
    {
        TreeNode& current = *path.back();
        if (TreeNode* const child = current.m_firstChild)
        {
            if (!m_events.NodeMayRemove(*child))
                return false;
            path.push_back(child);
            continue;
        }
        path.pop_back();
        TreeNode const* const before = m_rows.PreviousShown(current);
        m_rows.Hiding(current);
        ForgetNode(current); // before the view hears of the removal: it must not meet the node again
        Unlink(current);
        --m_nodeCount;
        View().RowsChanged(before);
        m_events.NodeRemoved(current);
        DestroyNode(current);
    }
    return true;
}

bool lumo::TreeModel::MoveNodeTo(TreeNode& node, TreeNode* parent, TreeNode* after)
{
    TreeNode& target = *ParentOrRoot(parent);
    if (node.IsRoot() || &target == &node || target.IsDescendantOf(node))
        return false;
    if (after != nullptr && (after == &node || after->m_parent != &target))
        return false;
    // Refused only when it would change nothing: the same parent, already right after `after`.
    if (node.m_parent == &target && node.m_prev == after)
        return false;

    View().RowsChanged(m_rows.PreviousShown(node));
    m_rows.Hiding(node); // its rows forget their indices; they are counted again at the new place
    Unlink(node);
    Link(node, target, after);
    SetLevels(node, target.m_level + 1);
    m_rows.Showing(node);
    View().RowsChanged(&node);
    ForgetNode(node);
    if (node.m_extras != nullptr)
        node.m_extras->cells.ForEach(
            [&](TreeNode::CellEntry const& entry)
            {
                if (entry.cell != nullptr)
                    Forget(*entry.cell);
            });
    m_selection.RowsMoved();
    m_events.NodeMoved(node, ForHost(&target), after);
    View().LayoutChanged();
    return true;
}

void lumo::TreeModel::ClearNodes()
{
    View().EndEdit(nullptr);
    if (!m_events.NodesMayClear())
        return;
    for (TreeCell* cell : std::vector<TreeCell*>(m_selection.Unordered()))
        Unselect(*cell);
    for (TreeNode* node = m_root->m_firstChild; node != nullptr;)
    {
        TreeNode* const next = node->m_next;
        DestroySubtree(*node);
        node = next;
    }
    m_root->m_firstChild = m_root->m_lastChild = nullptr;
    m_nodeCount = 0;
    m_rows.ForgetAll();
    View().LayoutChanged();
    m_events.NodesCleared();
}

int lumo::TreeModel::GetNodeMaxDepth(bool shownOnly) const
{
    int deepest = 0;
    for (TreeNode const* node = m_root->m_firstChild; node != nullptr; node = node->GetNextInTree())
        if (!shownOnly || node->IsShown())
            deepest = std::max(deepest, node->m_level + 1);
    return deepest;
}

void lumo::TreeModel::SetExpandNodeAndDescendants(TreeNode& node, bool expanded)
{
    TreeNode const* const end = SubtreeEnd(node);
    for (TreeNode* current = &node; current != end; current = current->GetNextInTree())
        current->SetExpanded(expanded);
}

bool lumo::TreeModel::ExpandNode(TreeNode& node, bool expanded)
{
    if (!(expanded ? m_events.NodeMayExpand(node) : m_events.NodeMayCollapse(node)))
        return false;
    bool const showsChildren = node.IsExpanded();
    if (!expanded && m_treeColumn != nullptr && node.IsShown())
    {
        // The rows below stop being shown: they forget their indices.
        m_rows.ChangedAfter(node);
        for (TreeNode* child = node.GetFirstVisibleChild(); child != nullptr;
             child = child->GetNextVisibleSibling())
            m_rows.Hiding(*child);
    }
    node.SetFlag(TreeNode::kExpanded, expanded);
    if (node.IsExpanded() != showsChildren)
    {
        m_rows.ChangedAfter(node);
        if (expanded)
            for (TreeNode* child = node.GetFirstVisibleChild(); child != nullptr;
                 child = child->GetNextVisibleSibling())
                m_rows.Showing(*child);
        m_selection.RowsMoved();
    }
    if (node.m_firstChild != nullptr)
        View().RowsChanged(&node);
    if (!expanded)
    {
        // Cells below a collapsed node cannot stay selected; the selection then moves onto the node.
        bool unselected = false;
        for (TreeCell* cell : std::vector<TreeCell*>(m_selection.Unordered()))
            if (cell->GetNode().IsDescendantOf(node))
            {
                Unselect(*cell);
                unselected = true;
            }
        if (unselected && m_selection.IsEmpty() && m_treeColumn != nullptr)
            if (TreeCell* const cell = CellOf(node, *m_treeColumn))
                SelectCell(*cell);
        m_events.NodeCollapsed(node);
    }
    else
        m_events.NodeExpanded(node);
    return true;
}

void lumo::TreeModel::NodeVisibilityChanged(TreeNode& node)
{
    if (node.IsVisible())
        m_rows.Showing(node);
    m_selection.RowsMoved();
    m_events.NodeVisibilityChanged(node);
    View().RowsChanged(&node);
}

void lumo::TreeModel::NodeHeightChanged(TreeNode& node, unsigned before)
{
    m_rows.HeightChanged(node, before);
    View().RowsChanged(&node);
}

// --- Cells and float controls

lumo::TreeCell* lumo::TreeModel::NewCell(TreeNode& node, TreeColumn& column)
{
    TreeCell* const cell = m_factory.NewCell(*this, node, column);
    try
    {
        TreeNode::Extras& extras = node.TheExtras();
        if (TreeNode::CellEntry* const removed = node.FindEntry(column))
        {
            removed->cell = cell;
            --column.m_removedCells;
        }
        else
            extras.cells.Add(column, cell);
        if (m_announcing)
            cell->GetStyle();
    }
    catch (...)
    {
        DestroyCell(*cell);
        throw;
    }
    return cell;
}

lumo::TreeCell* lumo::TreeModel::CellOf(TreeNode& node, TreeColumn& column)
{
    if (node.IsRoot() || GetColumnIndex(column) < 0)
        return nullptr;
    if (TreeNode::CellEntry const* const entry = node.FindEntry(column))
        return entry->cell;
    return NewCell(node, column);
}

void lumo::TreeModel::DestroyCell(TreeCell& cell)
{
    if (TreeNode::CellEntry* const entry = cell.m_node->FindEntry(*cell.m_column))
        if (entry->cell == &cell)
            entry->cell = nullptr;
    Unselect(cell);
    Forget(cell);
    m_factory.DeleteCell(&cell);
}

lumo::TreeCell* lumo::TreeModel::RenewCell(TreeNode& node, TreeColumn& column)
{
    if (node.IsRoot() || GetColumnIndex(column) < 0)
        return nullptr;
    if (TreeNode::CellEntry* const entry = node.FindEntry(column))
        if (TreeCell* const old = entry->cell)
        {
            View().EndEdit(old);
            DestroyCell(*old);
            entry->cell = nullptr;
            ++column.m_removedCells;
        }
    CFlagScope announcing(m_announcing, Announces());
    TreeCell* const cell = NewCell(node, column);
    View().ControlChanged(*cell);
    return cell;
}

bool lumo::TreeModel::RemoveCell(TreeCell& cell)
{
    TreeNode::CellEntry* const entry = cell.m_node->FindEntry(*cell.m_column);
    if (entry == nullptr || entry->cell != &cell)
        return false;
    m_events.CellRemoving(cell);
    View().EndEdit(&cell);
    View().ControlChanged(cell);
    DestroyCell(cell);
    ++entry->column->m_removedCells; // the entry stays, marking the node's cell in that column as gone
    return true;
}

lumo::FreeFloatControl& lumo::TreeModel::CreateFloatControl(std::wstring const& name, Rect const& rect,
                                                            int editorWidth, unsigned editorHeight,
                                                            bool horizontalLock, bool verticalLock, int value)
{
    FreeFloatControl* const control =
        m_factory.NewFloatControl(*this, name, rect, editorWidth, editorHeight, horizontalLock, verticalLock,
                                  value, m_nextControlNumber++);
    try
    {
        m_floatControls.reserve(m_floatControls.size() + 1);
        CFlagScope announcing(m_announcing, Announces());
        m_styles.GetDefaultStyle(ObjectType::FloatControl);
        if (m_announcing)
            control->GetStyle();
    }
    catch (...)
    {
        m_factory.DeleteFloatControl(control);
        throw;
    }
    m_floatControls.push_back(control);
    View().LayoutChanged();
    return *control;
}

void lumo::TreeModel::RemoveFloatControl(FreeFloatControl& control)
{
    auto const at = std::find(m_floatControls.begin(), m_floatControls.end(), &control);
    if (at == m_floatControls.end())
        return;
    View().EndEdit(&control);
    Forget(control);
    m_floatControls.erase(at);
    m_factory.DeleteFloatControl(&control);
    View().LayoutChanged();
}

lumo::FreeFloatControl& lumo::TreeModel::GetFloatControl(unsigned index) const
{
    if (index >= m_floatControls.size())
        throw std::out_of_range("CTreeGrid::GetFloatControl: no float control at this index");
    return *m_floatControls[index];
}

// --- Cell selection

void lumo::TreeModel::SelectCell(TreeCell& cell, bool notify)
{
    if (m_references.anchor != nullptr && !m_keys.IsShiftDown())
        m_references.anchor = nullptr;
    std::uint64_t const removals = m_references.removals;
    // A host that removes anything while it is asked may have removed the cell itself: nothing is selected.
    if (cell.HasState(kStateSelect) || !m_events.CellMaySelect(cell, notify) ||
        m_references.removals != removals)
        return;
    cell.SetState(kStateSelect, true);
    m_selection.Add(cell);
    TreeColumn& column = cell.GetColumn();
    ++column.m_selectedCells;
    column.SetState(kStateSelect, true);
    if (IsStyleSet(TreeStyle::kSelectColumnHeader))
        column.SetHeaderState(kStateSelect, true);
    TreeNode& node = cell.GetNode();
    ++node.m_selectedCells;
    node.SetState(kStateSelect, true);
    if (IsStyleSet(TreeStyle::kSelectRowHeader))
        node.SetHeaderState(kStateSelect, true);
    m_events.CellSelected(cell);
}

void lumo::TreeModel::Unselect(TreeCell& cell)
{
    if (!cell.IsSelected())
        return;
    m_selection.Remove(cell);
    cell.SetState(kStateSelect, false);
    // A row or column without selected cells is no longer selected.
    TreeColumn& column = cell.GetColumn();
    if (--column.m_selectedCells == 0)
    {
        column.SetState(kStateSelect, false);
        column.SetHeaderState(kStateSelect, false);
    }
    TreeNode& node = cell.GetNode();
    if (--node.m_selectedCells == 0)
    {
        node.SetState(kStateSelect, false);
        node.SetHeaderState(kStateSelect, false);
    }
}

void lumo::TreeModel::UnselectCell(TreeCell& cell)
{
    std::uint64_t const removals = m_references.removals;
    if (!cell.IsSelected() || !m_events.CellMayUnselect(cell) || m_references.removals != removals)
        return;
    Unselect(cell);
    if (!m_keys.IsControlDown())
        return;
    // With Control, a selection by columns or by rows lets go of the cell's whole column or row.
    bool const byColumn = IsStyleSet(TreeStyle::kColumnSelection);
    bool const byRow = IsStyleSet(TreeStyle::kRowSelection);
    if (!byColumn && !byRow)
        return;
    for (TreeCell* other : std::vector<TreeCell*>(m_selection.Unordered()))
        if ((byColumn && &other->GetColumn() == &cell.GetColumn()) ||
            (byRow && &other->GetNode() == &cell.GetNode()))
            Unselect(*other);
}

void lumo::TreeModel::ClearCellsSelection()
{
    // A host that removes something while it is asked starts the walk again over what is left.
    for (bool again = true; again;)
    {
        again = false;
        std::uint64_t const removals = m_references.removals;
        for (TreeCell* cell : std::vector<TreeCell*>(m_selection.Ordered()))
        {
            if (m_references.removals != removals)
            {
                again = true;
                break;
            }
            cell->SetState(kStateHover | kStatePush, false);
            UnselectCell(*cell);
        }
    }
}

// --- Objects going

void lumo::TreeModel::Forget(FloatControl const& control)
{
    TreeReferences& r = m_references;
    ++r.removals;
    for (FloatControl** reference : {&r.focus, &r.hover, &r.pressed, &r.edited, &r.pendingSelection})
        if (*reference == &control)
            *reference = nullptr;
    if (r.anchor == &control)
        r.anchor = nullptr;
}

void lumo::TreeModel::ForgetNode(TreeNode const& node)
{
    TreeReferences& r = m_references;
    ++r.removals;
    for (TreeNode** reference :
         {&r.hoverRowHeader, &r.pressedRowHeader, &r.topRow, &r.resizedRow, &r.dropNode})
        if (*reference == &node)
            *reference = nullptr;
    r.draggedNodes.clear();
}

void lumo::TreeModel::ForgetColumn(TreeColumn const& column)
{
    ++m_references.removals;
    for (TreeColumn** reference :
         {&m_treeColumn, &m_selectedColumn, &m_selectedColumnHeader, &m_references.hoverColumnHeader,
          &m_references.pressedColumnHeader, &m_references.resizedColumn, &m_references.draggedColumn,
          &m_references.dropColumn})
        if (*reference == &column)
            *reference = nullptr;
    for (TreeCell* cell = column.m_cells; cell != nullptr; cell = cell->m_nextInColumn)
        Forget(*cell);
}

void lumo::TreeModel::DestroyNode(TreeNode& node)
{
    if (node.m_extras != nullptr)
        node.m_extras->cells.ForEach(
            [&](TreeNode::CellEntry const& entry)
            {
                if (entry.cell != nullptr)
                {
                    Unselect(*entry.cell);
                    Forget(*entry.cell);
                    m_factory.DeleteCell(entry.cell);
                }
                else
                    --entry.column->m_removedCells;
            });
    ForgetNode(node);
    m_factory.DeleteNode(&node);
}

void lumo::TreeModel::DestroySubtree(TreeNode& top)
{
    // Leaves first, without recursion: trees may be deeper than the stack.
    TreeNode* current = &top;
    for (;;)
    {
        while (current->m_firstChild != nullptr)
            current = current->m_firstChild;
        if (current == &top)
            break;
        TreeNode* const parent = current->m_parent;
        parent->m_firstChild = current->m_next;
        DestroyNode(*current);
        --m_nodeCount;
        current = parent;
    }
    DestroyNode(top);
    --m_nodeCount;
}

void lumo::TreeModel::DestroyColumn(TreeColumn& column)
{
    while (column.m_cells != nullptr)
    {
        TreeCell& cell = *column.m_cells;
        cell.m_node->m_extras->cells.Erase(column);
        Unselect(cell);
        Forget(cell);
        m_factory.DeleteCell(&cell);
    }
    if (column.m_removedCells != 0)
        for (TreeNode* node = m_root->m_firstChild; node != nullptr; node = node->GetNextInTree())
            if (node->m_extras != nullptr)
                node->m_extras->cells.Erase(column);
    m_factory.DeleteColumn(&column);
}

// --- Styles

std::unique_ptr<lumo::DrawStyle> lumo::TreeModel::MakeStyle(StyleClass kind, ObjectType type, StyleRole role,
                                                            void const* owner)
{
    return m_styles.CreateStyle(kind, type, role, owner, m_announcing);
}

void lumo::TreeModel::ForEachStyle(std::function<void(DrawStyle&)> const& visit) const
{
    auto each = [&](DrawStyle* style)
    {
        if (style != nullptr)
            visit(*style);
    };
    for (TreeColumn const* column : m_columns)
    {
        each(column->m_columnStyle.get());
        each(column->m_headerStyle.get());
        each(column->m_cellStyle.get());
        for (TreeCell const* cell = column->m_cells; cell != nullptr; cell = cell->m_nextInColumn)
            each(cell->FindStyle());
    }
    for (TreeNode const* node = m_root->m_firstChild; node != nullptr; node = node->GetNextInTree())
        if (node->m_extras != nullptr)
        {
            each(node->m_extras->rowStyle.get());
            each(node->m_extras->rowHeaderStyle.get());
            each(node->m_extras->cellStyle.get());
        }
    for (FreeFloatControl const* control : m_floatControls)
        each(control->FindStyle());
}
