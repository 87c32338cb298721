// The left and right mouse buttons and the moving mouse: clicks with the host's say, the selection a press
// and a release make, resizing by the bands and borders, and dragging columns and nodes.
#include "LumoControls/TreeGrid/ControlRules.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/w32/ModelClasses.h"
#include "LumoControls/TreeGrid/w32/TreeGridInteraction.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"

#include <algorithm>

namespace
{
using Impl = CTreeGrid::CImpl;

bool IsGlyphKind(int kind)
{
    return kind == lumo::ControlKind::kCheckBox || kind == lumo::ControlKind::kRadioButton ||
           kind == lumo::ControlKind::kDropDown;
}

int KindOf(lumo::FloatControl& control)
{
    return control.GetStyle().GetControlKind();
}

// A free float control keeps at least this much of itself when the mouse resizes it.
constexpr int kLeastFloatControlSize = 12;
// How far outside the data area the mouse scrolls the grid while a button is down.
constexpr int kAutoScrollBand = 16;

lumo::Point ToPoint(POINT p)
{
    return lumo::Point{p.x, p.y};
}

// The host sees the top level as no parent.
CTreeGrid::INode* HostNode(lumo::TreeNode* node)
{
    return node != nullptr && !node->IsRoot() ? Impl::InterfaceOf(node) : nullptr;
}
} // namespace

lumo::HitResult CTreeGrid::CImpl::CInteraction::Hit(POINT point)
{
    return m_layout.HitTest(ToPoint(point));
}

// --- Left press

void CTreeGrid::CImpl::CInteraction::OnLeftPress(POINT point, bool doubleClick, UINT keys)
{
    std::shared_ptr<bool> const alive = m_alive;
    m_keys = keys;
    if (doubleClick)
        m_pendingActivation = 0;
    m_editorAtPress = Refs().edited != nullptr;
    EndPress();
    m_doubleClick = doubleClick;
    HideTooltip();
    bool takeFocus = true;
    if (Handler() != nullptr)
    {
        Handler()->MouseDown(doubleClick, point.x, point.y, takeFocus);
        if (!Alive(alive))
            return;
    }

    lumo::HitResult hit = Hit(point);
    m_grid.pressOnControlPart = hit.code == lumo::kPartControl;
    if (Refs().edited != nullptr && Refs().edited != hit.control)
    {
        m_grid.CloseFocusedControl();
        if (!Alive(alive))
            return;
        hit = Hit(point);
    }
    if (takeFocus && GetFocus() != m_window && Refs().edited == nullptr)
    {
        SetFocus(m_window);
        if (!Alive(alive))
            return;
    }
    m_pressPoint = point;
    m_pressHit = hit.code;
    m_pressOnControl = hit.control != nullptr;
    if (StartResize(hit))
        return;

    // The host hears of the click first, and may change anything: the point is looked at again after.
    bool handled = false;
    if (hit.control != nullptr)
    {
        Refs().pressed = hit.control; // forgotten if the host removes it
        if (Handler() != nullptr)
        {
            if (lumo::TreeCell* const cell = hit.control->AsCell())
            {
                if (doubleClick)
                    Handler()->CellDoubleClick(InterfaceOf(cell));
                else
                    Handler()->CellClick(InterfaceOf(cell), true, handled);
            }
            else if (doubleClick)
                Handler()->ControlDoubleClick(InterfaceOf(hit.control));
            else
                Handler()->ControlClick(InterfaceOf(hit.control), true);
            if (!Alive(alive))
                return;
            lumo::FloatControl* const clicked = Refs().pressed;
            hit = Hit(point);
            if (clicked == nullptr || hit.control != clicked)
            {
                EndPress();
                return;
            }
        }
    }
    m_grid.focusShown = !hit.selects && Refs().focus != nullptr;

    if (hit.code == lumo::kPartExpandButton && hit.node != nullptr && hit.node->GetFirstChild() != nullptr)
    {
        hit.node->SetExpanded(!hit.node->IsExpanded());
        EndPress();
        return;
    }
    if (doubleClick && hit.control != nullptr && hit.control->IsCell())
    {
        lumo::ObjStyle& style = hit.control->GetStyle();
        if (!Control() && !Shift() && lumo::OpensEditor(style.GetControlKind(), style.GetActivation()) &&
            lumo::EffectiveActivation(style.GetControlKind(), style.GetActivation()) ==
                lumo::Activation::kOnDblClick)
        {
            // The editor that opens is the focus cell's: the double-clicked cell becomes it, even when the
            // double click fell on a part that does not select.
            lumo::FloatControl* const clicked = hit.control;
            if (MoveFocus(clicked, false) && Refs().focus == clicked)
                m_pendingActivation = 2;
            if (Alive(alive))
                EndPress();
            return;
        }
        if (hit.column == m_grid.Model().GetTreeColumn() && hit.node->GetFirstChild() != nullptr)
        {
            hit.node->SetExpanded(!hit.node->IsExpanded());
            EndPress();
            return;
        }
    }
    if (hit.code == lumo::kHitRowHeader && hit.node != nullptr)
    {
        Refs().pressedRowHeader = hit.node;
        if (!hit.node->HasHeaderState(lumo::kStateDisable))
            hit.node->SetHeaderState(lumo::kStatePush, true);
    }
    else if (hit.code == lumo::kHitColumnHeader && hit.column != nullptr)
    {
        Refs().pressedColumnHeader = hit.column;
        if (!hit.column->HasHeaderState(lumo::kStateDisable))
            hit.column->SetHeaderState(lumo::kStatePush, true);
    }
    else if (hit.code == lumo::kHitCorner)
        m_cornerPressed = true;

    PressSelection(hit, handled);
    if (!Alive(alive))
        return;

    lumo::FloatControl* const control = Refs().pressed;
    if (control != nullptr && !Control() && !Shift())
    {
        bool const onPart = hit.code == lumo::kPartControl && !IsGlyphKind(KindOf(*control));
        CControlCore* const core = m_grid.ControlOf(*control);
        bool const closedCombo = control == Refs().focus &&
                                 KindOf(*control) == lumo::ControlKind::kComboBox && core != nullptr &&
                                 core->List() == nullptr;
        if (onPart || closedCombo)
        {
            m_grid.BeginEdit(*control);
            if (!Alive(alive))
                return;
        }
    }
    m_pressOnPart = hit.code == lumo::kPartControl;
    if (Refs().edited == nullptr)
    {
        SetCapture(m_window);
        if (Refs().pressed != nullptr && hit.selects)
            m_layout.ControlChanged(*Refs().pressed); // it shows pressed while the mouse is on it
    }
}

bool CTreeGrid::CImpl::CInteraction::StartResize(lumo::HitResult const& hit)
{
    lumo::TreeModel& model = m_grid.Model();
    switch (hit.code)
    {
    case lumo::kHitRowHeaderEdge:
        m_resize = Resize::RowHeaderWidth;
        m_startSize = static_cast<int>(model.GetRowHeaderWidth());
        break;
    case lumo::kHitColumnHeaderEdge:
        m_resize = Resize::ColumnHeaderHeight;
        m_startSize = static_cast<int>(model.GetColumnHeaderHeight());
        break;
    case lumo::kHitColumnEdge:
        if (hit.column == nullptr)
            return false;
        if (!HostAgrees([&] { return Handler()->ColumnResizeStart(InterfaceOf(hit.column)); }))
            return true;
        m_resize = Resize::Column;
        Refs().resizedColumn = hit.column;
        m_startSize = hit.column->GetWidth();
        break;
    case lumo::kHitRowEdge:
        if (hit.node == nullptr)
            return false;
        if (!HostAgrees([&] { return Handler()->RowResizeStart(InterfaceOf(hit.node)); }))
            return true;
        m_resize = Resize::Row;
        Refs().resizedRow = hit.node;
        m_startSize = static_cast<int>(hit.node->GetHeight());
        break;
    default:
        if (m_resize != Resize::FloatControl || PressedFree() == nullptr)
        {
            m_resize = Resize::None;
            return false;
        }
        m_startRect = PressedFree()->GetRect();
        break;
    }
    m_resizeMoved = false;
    SetCapture(m_window);
    return true;
}

void CTreeGrid::CImpl::CInteraction::PressSelection(lumo::HitResult const& hit, bool& handled)
{
    lumo::TreeModel& model = m_grid.Model();
    lumo::FloatControl* const control = Refs().pressed;
    if (control == nullptr)
        return;
    lumo::TreeCell* const cell = control->AsCell();
    m_selectedAtPress = cell != nullptr && cell->IsSelected();
    bool const glyphClick = hit.code == lumo::kPartControl && IsGlyphKind(KindOf(*control));
    std::uint64_t const before = model.SelectionVersion();
    if (cell != nullptr && !glyphClick && !handled && !Shift())
    {
        bool const multi = m_grid.multiSelectionWithoutControl;
        lumo::TreeCell* const focusCell = Refs().focus != nullptr ? Refs().focus->AsCell() : nullptr;
        lumo::TreeColumn* const treeColumn = model.GetTreeColumn();
        if (!Control() && !multi)
        {
            if (!(hit.selects && cell->IsSelected()))
                model.ClearCellsSelection();
        }
        else if (Control() && focusCell != nullptr && &focusCell->GetColumn() != &cell->GetColumn() &&
                 (&focusCell->GetColumn() == treeColumn || &cell->GetColumn() == treeColumn))
        {
            // Ctrl does not gather cells of the tree column with cells of another column.
            EndPress();
            return;
        }
        else
        {
            ToggleSelection(*cell);
            m_toggledAtPress = true;
        }
    }
    if (!*m_alive)
        return;
    if (model.SelectionVersion() != before)
        SelectionChanged();
    if (!*m_alive || Refs().pressed != control)
        return;
    if (hit.selects && cell != nullptr)
    {
        Refs().pendingSelection = cell;
        m_selectionDrag = true;
    }
    if (lumo::FreeFloatControl* const freeControl = control->AsFree())
    {
        m_pressedFree = freeControl;
        m_pressedFreeNumber = freeControl->GetNumber();
    }
    if (hit.selects)
        MoveFocus(control, false);
}

// --- Mouse move

void CTreeGrid::CImpl::CInteraction::OnMouseMove(POINT point, UINT keys)
{
    std::shared_ptr<bool> const alive = m_alive;
    m_keys = keys;
    if (!m_grid.mouseInside)
    {
        m_grid.mouseInside = true;
        m_grid.View().Repaint(); // the background shows hover
    }
    if (Handler() != nullptr)
    {
        Handler()->MouseMoved(point.x, point.y);
        if (!Alive(alive))
            return;
    }
    lumo::HitResult hit = Hit(point);
    std::uint64_t const epoch = Refs().removals;
    SetHover(hit);
    if (!Alive(alive))
        return;
    if (!Intact(epoch))
        hit = Hit(point); // the host removed something it heard of: what the mouse is over may be gone
    if (GetCapture() != m_window)
    {
        ArmHover(point, hit);
        return;
    }
    if (m_resize != Resize::None)
    {
        DragResize(point);
        return;
    }
    if (!m_dragging && !m_dragRefused && lumo::PassesDragThreshold(ToPoint(m_pressPoint), ToPoint(point)))
    {
        StartDrag(point);
        if (!Alive(alive))
            return;
    }
    AutoScroll(point);
    if (m_dragging)
    {
        TrackDrag(point);
        return;
    }
    ExtendSelectionTo(Hit(point));
}

void CTreeGrid::CImpl::CInteraction::ArmHover(POINT point, lumo::HitResult const& hit)
{
    m_edges = Edges{};
    switch (hit.code)
    {
    case lumo::kHitColumnEdge:
        m_resize = Resize::Column;
        return;
    case lumo::kHitRowHeaderEdge:
        m_resize = Resize::RowHeaderWidth;
        return;
    case lumo::kHitRowEdge:
        m_resize = Resize::Row;
        return;
    case lumo::kHitColumnHeaderEdge:
        m_resize = Resize::ColumnHeaderHeight;
        return;
    default:
        m_resize = Resize::None;
    }
    if (hit.control != nullptr && hit.control->AsFree() != nullptr)
        ArmFloatControl(point, *hit.control->AsFree());
}

void CTreeGrid::CImpl::CInteraction::ArmFloatControl(POINT point, lumo::FreeFloatControl& control)
{
    if (Handler() == nullptr)
        return;
    bool movable = false, left = false, top = false, right = false, bottom = false;
    std::shared_ptr<bool> const alive = m_alive;
    Handler()->FloatControlEditOptions(InterfaceOf(&control), movable, left, top, right, bottom);
    if (!Alive(alive) || Refs().hover != &control)
        return;
    lumo::Rect const r = m_layout.OuterRect(control);
    bool const inside =
        point.x >= r.left + 4 && point.x < r.right - 4 && point.y >= r.top + 4 && point.y < r.bottom - 4;
    if (inside)
    {
        if (movable)
            m_edges = Edges{true, true, true, true};
    }
    else
        m_edges = Edges{left && point.x < r.left + 4, top && point.y < r.top + 4,
                        right && point.x >= r.right - 4, bottom && point.y >= r.bottom - 4};
    if (m_edges.Any())
    {
        m_resize = Resize::FloatControl;
        m_pressedFree = &control;
        m_pressedFreeNumber = control.GetNumber();
    }
}

void CTreeGrid::CImpl::CInteraction::DragResize(POINT point)
{
    lumo::TreeModel& model = m_grid.Model();
    int const dx = point.x - m_pressPoint.x;
    int const dy = point.y - m_pressPoint.y;
    m_resizeMoved = m_resizeMoved || dx != 0 || dy != 0;
    switch (m_resize)
    {
    case Resize::Column:
        if (lumo::TreeColumn* const column = Refs().resizedColumn)
        {
            int const before = column->GetWidth();
            column->SetWidth(m_startSize + dx);
            if (column->GetWidth() != before && Handler() != nullptr)
                Handler()->ColumnWidthChanged(InterfaceOf(column));
        }
        break;
    case Resize::Row:
        if (lumo::TreeNode* const node = Refs().resizedRow)
        {
            unsigned const before = node->GetHeight();
            node->SetHeight(static_cast<unsigned>(std::max(0, m_startSize + dy)));
            if (node->GetHeight() != before && Handler() != nullptr)
                Handler()->RowHeightChanged(InterfaceOf(node));
        }
        break;
    case Resize::RowHeaderWidth:
        model.SetRowHeaderWidth(static_cast<unsigned>(std::max(0, m_startSize + dx)));
        m_layout.LayoutChanged();
        break;
    case Resize::ColumnHeaderHeight:
        model.SetColumnHeaderHeight(static_cast<unsigned>(std::max(0, m_startSize + dy)), false);
        m_layout.LayoutChanged();
        break;
    case Resize::FloatControl:
    {
        lumo::FreeFloatControl* const control = PressedFree();
        if (control == nullptr)
            break;
        lumo::Rect r = m_startRect;
        bool const move = m_edges.left && m_edges.top && m_edges.right && m_edges.bottom;
        if (move)
            r = lumo::Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
        else
        {
            if (m_edges.left)
                r.left = std::min(r.left + dx, r.right - kLeastFloatControlSize);
            if (m_edges.right)
                r.right = std::max(r.right + dx, r.left + kLeastFloatControlSize);
            if (m_edges.top)
                r.top = std::min(r.top + dy, r.bottom - kLeastFloatControlSize);
            if (m_edges.bottom)
                r.bottom = std::max(r.bottom + dy, r.top + kLeastFloatControlSize);
        }
        control->SetRect(r);
        if (Handler() != nullptr)
            Handler()->FloatControlMoved(InterfaceOf(control));
        break;
    }
    case Resize::None:
        break;
    }
}

void CTreeGrid::CImpl::CInteraction::StartDrag(POINT point)
{
    std::shared_ptr<bool> const alive = m_alive;
    lumo::TreeModel& model = m_grid.Model();
    m_dragRefused = true; // unless a drag starts below
    if (lumo::TreeColumn* const column = Refs().pressedColumnHeader)
    {
        if (column->HasHeaderState(lumo::kStateDisable))
            return;
        if (Handler() != nullptr && !Handler()->ColumnDragStart(InterfaceOf(column)))
            return;
        if (!Alive(alive) || Refs().pressedColumnHeader != column)
            return;
        Refs().draggedColumn = column;
    }
    else
    {
        lumo::FloatControl* const pressed = Refs().pressed;
        lumo::TreeCell* const cell = pressed != nullptr ? pressed->AsCell() : nullptr;
        if (cell == nullptr || &cell->GetColumn() != model.GetTreeColumn() ||
            cell->GetNode().HasState(lumo::kStateDisable) || !cell->IsSelected())
            return;
        std::vector<lumo::TreeNode*> nodes = lumo::DraggedNodes(model);
        if (nodes.empty())
            return;
        if (Handler() != nullptr)
        {
            std::vector<INode*> hostNodes;
            hostNodes.reserve(nodes.size());
            for (lumo::TreeNode* node : nodes)
                hostNodes.push_back(InterfaceOf(node));
            bool const agreed = Handler()->NodesDragStart(hostNodes);
            if (!Alive(alive) || !agreed)
                return;
            nodes = lumo::DraggedNodes(model); // the host may have changed the selection or the tree
            if (nodes.empty())
                return;
        }
        Refs().draggedNodes = std::move(nodes);
    }
    m_dragRefused = false;
    m_dragging = true;
    m_selectionDrag = false;
    MakeDragImage(point);
}

void CTreeGrid::CImpl::CInteraction::TrackDrag(POINT point)
{
    std::shared_ptr<bool> const alive = m_alive;
    lumo::TreeModel& model = m_grid.Model();
    POINT screen = point;
    ClientToScreen(m_window, &screen);
    if (m_dragImage != nullptr)
        ImageList_DragMove(screen.x, screen.y);
    lumo::HitResult const hit = Hit(point);
    lumo::TreeColumn* const oldColumn = Refs().dropColumn;
    lumo::TreeNode* const oldNode = Refs().dropNode;
    if (lumo::TreeColumn* const dragged = Refs().draggedColumn)
    {
        Refs().dropColumn = nullptr;
        if (hit.column != nullptr)
        {
            lumo::Rect const r = m_layout.ColumnRect(*hit.column);
            bool const before = point.x < (r.left + r.right) / 2;
            int const index = model.GetColumnIndex(*hit.column) + (before ? 0 : 1);
            std::uint64_t const epoch = Refs().removals;
            bool const agreed =
                Handler() == nullptr ||
                Handler()->ColumnDropTarget(InterfaceOf(dragged), static_cast<unsigned>(index));
            if (!Intact(epoch))
                return; // the column under the mouse may be gone: the next move looks again
            if (agreed)
            {
                Refs().dropColumn = hit.column;
                m_dropBefore = before;
            }
        }
    }
    else if (!Refs().draggedNodes.empty())
    {
        Refs().dropNode = nullptr;
        lumo::TreeColumn* const treeColumn = model.GetTreeColumn();
        lumo::TreeNode* const target = m_layout.NodeAt(ToPoint(point));
        if (target != nullptr && treeColumn != nullptr && hit.column == treeColumn &&
            lumo::AcceptsDrop(*target, Refs().draggedNodes))
        {
            lumo::Rect const row = m_layout.RowRect(*target);
            lumo::DropZone zone = lumo::ZoneOf(row.top, row.bottom, point.y);
            auto agrees = [&](lumo::DropZone z)
            {
                lumo::NodePlace const place = lumo::PlaceFor(*target, z);
                return Handler() == nullptr ||
                       Handler()->NodeDropTarget(HostNode(place.parent), HostNode(place.after));
            };
            std::uint64_t const epoch = Refs().removals;
            bool agreed = agrees(zone);
            if (Intact(epoch) && !agreed && zone == lumo::DropZone::Onto)
            {
                zone = point.y < (row.top + row.bottom) / 2 ? lumo::DropZone::Above : lumo::DropZone::Below;
                agreed = agrees(zone);
            }
            if (!Intact(epoch))
                return; // the row under the mouse may be gone: the next move looks again
            if (agreed)
            {
                Refs().dropNode = target;
                m_dropZone = zone;
            }
        }
    }
    if (Refs().dropColumn != oldColumn || Refs().dropNode != oldNode || Refs().dropNode != nullptr ||
        Refs().dropColumn != nullptr)
    {
        if (m_dragImage != nullptr)
            ImageList_DragShowNolock(FALSE);
        m_grid.View().Repaint();
        UpdateWindow(m_window);
        if (m_dragImage != nullptr)
            ImageList_DragShowNolock(TRUE);
    }
}

void CTreeGrid::CImpl::CInteraction::AutoScroll(POINT point)
{
    lumo::Insets const insets = m_layout.GetInsets();
    int const top = m_layout.RowsStart();
    int const bottom = m_layout.GetWindowHeight() - insets.bottom;
    int const left = m_layout.ColumnsStart();
    int const right = m_layout.GetWindowWidth() - insets.right;
    bool const vertical = m_dragging || m_selectionDrag;
    if (vertical && point.y < top && point.y >= top - kAutoScrollBand)
        m_layout.Vertical(lumo::kScrollLineBack, 1, 0);
    else if (vertical && point.y >= bottom && point.y < bottom + kAutoScrollBand)
        m_layout.Vertical(lumo::kScrollLineOn, 1, 0);
    if (point.x < left && point.x >= left - kAutoScrollBand)
        m_layout.Horizontal(lumo::kScrollLineBack, 0);
    else if (point.x >= right && point.x < right + kAutoScrollBand)
        m_layout.Horizontal(lumo::kScrollLineOn, 0);
}

void CTreeGrid::CImpl::CInteraction::ExtendSelectionTo(lumo::HitResult const& hit)
{
    lumo::TreeModel& model = m_grid.Model();
    lumo::TreeCell* const cell = hit.control != nullptr ? hit.control->AsCell() : nullptr;
    if (cell == nullptr || Refs().edited != nullptr)
        return;
    std::uint64_t const before = model.SelectionVersion();
    if (Shift())
        SelectRange(*cell);
    else if (m_selectionDrag && !Control() && !cell->IsSelected() &&
             !model.IsStyleSet(lumo::TreeStyle::kKeepSelection))
    {
        if (SelectOnly(*cell) && MoveFocus(cell, false))
            Refs().pendingSelection = nullptr; // already selected where the mouse is
    }
    if (*m_alive && model.SelectionVersion() != before)
        SelectionChanged();
}

// --- Left release

void CTreeGrid::CImpl::CInteraction::OnLeftRelease(POINT point, UINT keys)
{
    std::shared_ptr<bool> const alive = m_alive;
    m_keys = keys;
    lumo::TreeModel& model = m_grid.Model();
    bool const captured = GetCapture() == m_window;
    lumo::FloatControl* const pressed = Refs().pressed;
    if (lumo::TreeNode* const header = Refs().pressedRowHeader)
        header->SetHeaderState(lumo::kStatePush, false);
    if (lumo::TreeColumn* const header = Refs().pressedColumnHeader)
        header->SetHeaderState(lumo::kStatePush, false);
    if (pressed != nullptr)
        m_layout.ControlChanged(*pressed);
    m_releasing = true;
    if (captured)
        ReleaseCapture();
    m_releasing = false;
    if (Handler() != nullptr)
    {
        Handler()->MouseUp(point.x, point.y);
        if (!Alive(alive))
            return;
    }
    if (m_dragging)
    {
        FinishDrag(point);
        if (Alive(alive))
            EndPress();
        return;
    }
    if (captured && m_resize != Resize::None)
    {
        FinishResize();
        if (Alive(alive))
            EndPress();
        return;
    }

    lumo::HitResult hit = Hit(point);
    bool handled = false;
    if (pressed != nullptr && Refs().pressed == pressed && hit.control == pressed && hit.code == m_pressHit &&
        Handler() != nullptr)
    {
        if (lumo::TreeCell* const cell = pressed->AsCell())
            Handler()->CellClick(InterfaceOf(cell), false, handled);
        else
            Handler()->ControlClick(InterfaceOf(pressed), false);
        if (!Alive(alive))
            return;
        hit = Hit(point);
    }
    if (m_cornerPressed && hit.code == lumo::kHitCorner && Handler() != nullptr)
        Handler()->RowHeaderClick(nullptr);
    else if (hit.code == lumo::kHitRowHeader && hit.node != nullptr && hit.node == Refs().pressedRowHeader &&
             Handler() != nullptr)
        Handler()->RowHeaderClick(InterfaceOf(hit.node));
    else if (hit.code == lumo::kHitColumnHeader && hit.column != nullptr &&
             hit.column == Refs().pressedColumnHeader)
        model.SelectColumnHeader(hit.column);
    if (!Alive(alive))
        return;
    lumo::FreeFloatControl* const pressedFree = PressedFree();
    if (pressedFree != nullptr && Refs().pressed == pressedFree && hit.control == pressedFree &&
        Handler() != nullptr)
    {
        Handler()->ControlClicked(InterfaceOf(static_cast<lumo::FloatControl*>(pressedFree)));
        if (!Alive(alive))
            return;
        hit = Hit(point);
    }
    if (hit.code == lumo::kPartControl && m_pressOnPart && hit.control != nullptr &&
        hit.control == Refs().pressed)
    {
        if (CControlCore* const core = m_grid.ControlOf(*hit.control))
        {
            core->Click(point);
            if (!Alive(alive))
                return;
        }
        hit = Hit(point);
    }

    bool const hadSelection = model.GetSelectedCellCount() > 0;
    if (!handled)
        CommitPendingSelection(hadSelection);
    if (!Alive(alive))
        return;
    // A press on a cell or float control is never a press on empty space, even when it selected nothing
    // (a double click that arms an editor, a press the host handled).
    if (!Shift() && !Control() && (hit.code == lumo::kHitNowhere || hit.code == lumo::kHitCell) &&
        model.GetSelectedCellCount() > 0 && m_pendingWasNone && !m_pressOnControl)
    {
        bool const agreed = Handler() == nullptr || Handler()->ClearSelectionQuery();
        if (!Alive(alive))
            return;
        if (agreed)
        {
            std::uint64_t const before = model.SelectionVersion();
            model.ClearCellsSelection();
            if (model.SelectionVersion() != before)
                SelectionChanged();
            if (!Alive(alive))
                return;
        }
    }

    // An editor opens a moment after a click on the focus cell, so that a double click can still cancel it.
    lumo::FloatControl* const focus = Refs().focus;
    if (!Shift() && !Control() && !m_doubleClick && hit.selects && hit.control != nullptr &&
        hit.control == focus)
    {
        lumo::ObjStyle& style = focus->GetStyle();
        int const kind = style.GetControlKind();
        int const activation = lumo::EffectiveActivation(kind, style.GetActivation());
        if (lumo::OpensEditor(kind, style.GetActivation()) && Refs().edited == nullptr)
        {
            if (activation == lumo::Activation::kDefault && !m_editorAtPress && m_selectedAtPress)
                m_pendingActivation = 10;
            else if (activation == lumo::Activation::kOnClick)
                m_pendingActivation = 2;
        }
    }
    EndPress();
}

void CTreeGrid::CImpl::CInteraction::CommitPendingSelection(bool /*hadSelection*/)
{
    lumo::TreeModel& model = m_grid.Model();
    lumo::FloatControl* const pending = Refs().pendingSelection;
    m_pendingWasNone = pending == nullptr;
    lumo::TreeCell* const cell = pending != nullptr ? pending->AsCell() : nullptr;
    if (cell == nullptr)
        return;
    std::uint64_t const before = model.SelectionVersion();
    if (Shift())
        SelectRange(*cell);
    else if (Control() && !m_grid.multiSelectionWithoutControl)
    {
        if (!m_toggledAtPress)
            ToggleSelection(*cell);
    }
    else if (!model.IsStyleSet(lumo::TreeStyle::kKeepSelection) && !m_toggledAtPress)
        SelectOnly(*cell);
    if (!*m_alive)
        return;
    if (Refs().pendingSelection == cell && cell->IsSelected())
        MoveFocus(cell, false);
    if (*m_alive && model.SelectionVersion() != before)
        SelectionChanged();
}

void CTreeGrid::CImpl::CInteraction::FinishDrag(POINT point)
{
    std::shared_ptr<bool> const alive = m_alive;
    lumo::TreeModel& model = m_grid.Model();
    DropDragImage();
    m_dragging = false;
    POINT screen = point;
    ClientToScreen(m_window, &screen);
    HWND under = WindowFromPoint(screen);
    bool const outside = under != m_window && !IsChild(m_window, under);
    if (lumo::TreeColumn* const column = Refs().draggedColumn)
    {
        lumo::TreeColumn* const target = Refs().dropColumn;
        if (outside)
        {
            if (Handler() != nullptr)
                Handler()->DroppedOutside(under, screen);
        }
        else if (target != nullptr)
        {
            int index = model.GetColumnIndex(*target) + (m_dropBefore ? 0 : 1);
            if (Handler() != nullptr)
                Handler()->ColumnDropped(InterfaceOf(column), static_cast<unsigned>(index));
            else
            {
                // Taking the column out first shifts the later indices by one.
                if (model.GetColumnIndex(*column) < index)
                    --index;
                model.MoveColumnTo(*column, static_cast<unsigned>(std::max(index, 0)));
            }
        }
        if (!Alive(alive))
            return;
        if (Handler() != nullptr)
            Handler()->ColumnDropFinished();
    }
    else if (!Refs().draggedNodes.empty())
    {
        std::vector<lumo::TreeNode*> const nodes = Refs().draggedNodes;
        lumo::TreeNode* const target = Refs().dropNode;
        if (outside)
        {
            if (Handler() != nullptr)
                Handler()->DroppedOutside(under, screen);
        }
        else if (target != nullptr)
        {
            lumo::NodePlace place = lumo::PlaceFor(*target, m_dropZone);
            if (Handler() != nullptr)
            {
                std::vector<INode*> hostNodes;
                for (lumo::TreeNode* node : nodes)
                    hostNodes.push_back(InterfaceOf(node));
                Handler()->NodesDropped(hostNodes, HostNode(place.parent), HostNode(place.after));
            }
            else
                for (lumo::TreeNode* node : nodes)
                {
                    if (node == place.after)
                        continue;
                    model.MoveNodeTo(*node, place.parent, place.after);
                    place.after = node; // the next follows this one
                }
        }
        if (!Alive(alive))
            return;
        if (Handler() != nullptr)
            Handler()->NodesDropFinished();
    }
    if (!Alive(alive))
        return;
    Refs().draggedColumn = Refs().dropColumn = nullptr;
    Refs().dropNode = nullptr;
    Refs().draggedNodes.clear();
    m_grid.View().Repaint();
}

void CTreeGrid::CImpl::CInteraction::FinishResize()
{
    Resize const resize = m_resize;
    m_resize = Resize::None;
    if (Handler() == nullptr)
        return;
    if (resize == Resize::Column && Refs().resizedColumn != nullptr && m_resizeMoved)
        Handler()->ColumnResized(InterfaceOf(Refs().resizedColumn));
    else if (resize == Resize::Row && Refs().resizedRow != nullptr && m_resizeMoved)
        Handler()->RowResized(InterfaceOf(Refs().resizedRow));
    else if (resize == Resize::FloatControl && PressedFree() != nullptr)
        Handler()->FloatControlMoveFinished(InterfaceOf(static_cast<lumo::FloatControl*>(PressedFree())));
}

void CTreeGrid::CImpl::CInteraction::EndPress()
{
    lumo::TreeReferences& refs = Refs();
    refs.pressed = nullptr;
    refs.pressedRowHeader = nullptr;
    refs.pressedColumnHeader = nullptr;
    refs.pendingSelection = nullptr;
    refs.resizedRow = nullptr;
    refs.resizedColumn = nullptr;
    m_cornerPressed = false;
    m_selectionDrag = false;
    m_dragRefused = false;
    m_toggledAtPress = false;
    m_pressOnPart = false;
    m_resizeMoved = false;
    if (m_resize != Resize::FloatControl)
        m_pressedFree = nullptr;
}

// --- Right button

void CTreeGrid::CImpl::CInteraction::OnRightButton(POINT point, bool down, UINT keys)
{
    std::shared_ptr<bool> const alive = m_alive;
    m_keys = keys;
    lumo::TreeModel& model = m_grid.Model();
    HideTooltip();
    lumo::HitResult hit = Hit(point);
    if (hit.control != nullptr && Handler() != nullptr)
    {
        lumo::FloatControl* const clicked = hit.control;
        Refs().pressed = clicked;
        bool handled = false;
        if (lumo::TreeCell* const cell = clicked->AsCell())
            Handler()->CellRightClick(InterfaceOf(cell), down, handled);
        else
            Handler()->ControlRightClick(InterfaceOf(clicked), down);
        if (!Alive(alive))
            return;
        bool const vanished = Refs().pressed != clicked;
        Refs().pressed = nullptr;
        if (handled || vanished)
            return;
        hit = Hit(point);
    }
    if (down)
    {
        std::uint64_t const before = model.SelectionVersion();
        std::uint64_t const epoch = Refs().removals;
        if (!hit.selects)
            model.ClearCellsSelection();
        if (!Alive(alive))
            return;
        if (!Intact(epoch))
            hit = Hit(point);
        if (hit.control != nullptr && hit.control->AsFree() != nullptr)
            MoveFocus(hit.control, true);
        else if (lumo::TreeCell* const cell =
                     hit.control != nullptr && hit.selects ? hit.control->AsCell() : nullptr)
        {
            if (cell->IsSelected() || SelectOnly(*cell))
                MoveFocus(cell, false);
        }
        if (!Alive(alive))
            return;
        if (model.SelectionVersion() != before)
            SelectionChanged();
        if (!Alive(alive))
            return;
        m_grid.View().Repaint();
    }
    if (Handler() != nullptr)
        Handler()->RightButton(down, point.x, point.y);
}
