// The keyboard, and the focus cell and selection that keys and clicks change.
#include "LumoControls/TreeGrid/ControlRules.h"
#include "LumoControls/TreeGrid/Style.h"
#include "LumoControls/TreeGrid/w32/ModelClasses.h"
#include "LumoControls/TreeGrid/w32/TreeGridInteraction.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"

#include <algorithm>

// --- Focus and selection

bool CTreeGrid::CImpl::CInteraction::MoveFocus(lumo::FloatControl* target, bool shown)
{
    std::shared_ptr<bool> const alive = m_alive;
    lumo::FloatControl* const old = Refs().focus;
    if (old == target)
    {
        m_grid.focusShown = shown;
        return true;
    }
    std::uint64_t const epoch = Refs().removals;
    if (Handler() != nullptr)
    {
        if (old != nullptr)
            Handler()->FocusLost(InterfaceOf(old));
        if (!Intact(epoch))
            return false;
        bool const agreed = Handler()->FocusMayChange(InterfaceOf(target));
        if (!Intact(epoch) || !agreed)
            return false;
    }
    Refs().focus = target;
    m_grid.focusShown = shown;
    if (old != nullptr)
        m_layout.ControlChanged(*old);
    if (target != nullptr)
        m_layout.ControlChanged(*target);
    if (Handler() != nullptr)
    {
        Handler()->FocusGained(InterfaceOf(target));
        if (!Intact(epoch))
            return false;
    }
    if (target != nullptr && target == Refs().pressed)
    {
        lumo::ObjStyle& style = target->GetStyle();
        if (lumo::EffectiveActivation(style.GetControlKind(), style.GetActivation()) ==
            lumo::Activation::kOnFocus)
            m_grid.BeginEdit(*target);
    }
    return true;
}

void CTreeGrid::CImpl::CInteraction::SelectionChanged()
{
    m_pendingActivation = 0;
    if (Handler() != nullptr)
        Handler()->SelectionChanged();
}

bool CTreeGrid::CImpl::CInteraction::SelectOnly(lumo::TreeCell& cell)
{
    lumo::TreeModel& model = m_grid.Model();
    std::uint64_t const epoch = Refs().removals;
    if (!(model.GetSelectedCellCount() == 1 && cell.IsSelected()))
    {
        model.ClearCellsSelection();
        if (!Intact(epoch))
            return false;
        model.SelectCell(cell);
        if (!Intact(epoch))
            return false;
    }
    // A plain selection starts the range a later Shift extends.
    if (cell.IsSelected())
        Refs().anchor = &cell;
    return true;
}

bool CTreeGrid::CImpl::CInteraction::SelectRange(lumo::TreeCell& target)
{
    lumo::TreeModel& model = m_grid.Model();
    std::uint64_t const epoch = Refs().removals;
    lumo::TreeCell* anchor = Refs().anchor;
    if (anchor == nullptr)
        anchor =
            Refs().focus != nullptr && Refs().focus->AsCell() != nullptr ? Refs().focus->AsCell() : &target;
    std::vector<lumo::TreeCell*> const range = lumo::RangeCells(model, *anchor, target);
    model.ClearCellsSelection();
    for (lumo::TreeCell* cell : range)
    {
        if (!Intact(epoch))
            return false;
        model.SelectCell(*cell);
    }
    if (!Intact(epoch))
        return false;
    // Selecting forgets the anchor when Shift is not down on the keyboard (a message may say otherwise).
    Refs().anchor = anchor;
    return true;
}

bool CTreeGrid::CImpl::CInteraction::ToggleSelection(lumo::TreeCell& cell)
{
    std::uint64_t const epoch = Refs().removals;
    if (cell.IsSelected())
        m_grid.Model().UnselectCell(cell);
    else
        m_grid.Model().SelectCell(cell);
    if (!Intact(epoch))
        return false;
    if (cell.IsSelected())
        Refs().anchor = &cell;
    return true;
}

// --- Keys

void CTreeGrid::CImpl::CInteraction::OnKeyDown(UINT key, LPARAM flags)
{
    std::shared_ptr<bool> const alive = m_alive;
    bool const control = GetKeyState(VK_CONTROL) < 0;
    bool const shift = GetKeyState(VK_SHIFT) < 0;
    bool const alt = GetKeyState(VK_MENU) < 0;
    m_keys = (control ? MK_CONTROL : 0) | (shift ? MK_SHIFT : 0);
    if (Handler() != nullptr)
    {
        bool const goOn = Handler()->KeyDown(key, LOWORD(flags), HIWORD(flags));
        if (!Alive(alive) || !goOn)
            return;
        bool const goOnWithModifiers = Handler()->KeyDownWithModifiers(key, control, shift, alt);
        if (!Alive(alive) || !goOnWithModifiers)
            return;
    }
    switch (key)
    {
    case VK_LEFT:
        KeyMove(lumo::KeyMove::Left, shift, control);
        return;
    case VK_RIGHT:
        KeyMove(lumo::KeyMove::Right, shift, control);
        return;
    case VK_UP:
        KeyMove(lumo::KeyMove::Up, shift, control);
        return;
    case VK_DOWN:
        KeyMove(lumo::KeyMove::Down, shift, control);
        return;
    case VK_PRIOR:
        KeyMove(lumo::KeyMove::PageUp, shift, control);
        return;
    case VK_NEXT:
        KeyMove(lumo::KeyMove::PageDown, shift, control);
        return;
    case VK_HOME:
        KeyMove(lumo::KeyMove::Home, shift, control);
        return;
    case VK_END:
        KeyMove(lumo::KeyMove::End, shift, control);
        return;
    case VK_BACK:
        if (!control)
            KeyMove(lumo::KeyMove::Parent, shift, false);
        return;
    case VK_SPACE:
    {
        lumo::FloatControl* const focus = Refs().focus;
        if (focus == nullptr)
            return;
        if (control)
        {
            if (lumo::TreeCell* const cell = focus->AsCell())
            {
                std::uint64_t const before = m_grid.Model().SelectionVersion();
                ToggleSelection(*cell);
                if (Alive(alive) && m_grid.Model().SelectionVersion() != before)
                    SelectionChanged();
            }
            return;
        }
        int const kind = focus->GetStyle().GetControlKind();
        if (kind == lumo::ControlKind::kCheckBox || kind == lumo::ControlKind::kRadioButton ||
            kind == lumo::ControlKind::kDropDown)
            if (CControlCore* const core = m_grid.ControlOf(*focus))
                core->Click(POINT{});
        return;
    }
    case VK_ESCAPE:
        CancelMouseOperation();
        return;
    case VK_F2:
        if (Refs().focus != nullptr)
            m_grid.BeginEdit(*Refs().focus);
        return;
    default:
        return;
    }
}

void CTreeGrid::CImpl::CInteraction::KeyMove(lumo::KeyMove move, bool shift, bool control)
{
    std::shared_ptr<bool> const alive = m_alive;
    lumo::TreeModel& model = m_grid.Model();
    lumo::FloatControl* const focus = Refs().focus;
    lumo::TreeCell* from = focus != nullptr ? focus->AsCell() : nullptr;
    lumo::TreeCell* target = nullptr;
    if (from == nullptr)
    {
        // Without a focus cell, any move starts at the first cell that can take it.
        lumo::TreeNode* const first = model.Rows().FirstShown();
        for (lumo::TreeColumn* column : model.Columns())
            if (first != nullptr && column->IsVisible())
            {
                lumo::TreeCell* const cell = model.CellOf(*first, *column);
                if (cell == nullptr)
                    continue;
                target =
                    lumo::IsNavigable(*cell) ? cell : lumo::MoveTarget(model, *cell, lumo::KeyMove::Down, 1);
                if (target != nullptr)
                    break;
            }
    }
    else
    {
        int const rowHeight = std::max(1, static_cast<int>(from->GetNode().GetHeight()));
        target = lumo::MoveTarget(model, *from, move, std::max(1, m_layout.PageHeight() / rowHeight));
    }
    if (target == nullptr)
        return;
    std::uint64_t const before = model.SelectionVersion();
    if (!control && !(shift ? SelectRange(*target) : SelectOnly(*target)))
    {
        if (Alive(alive) && model.SelectionVersion() != before)
            SelectionChanged();
        return; // the host removed something while cells were selected
    }
    if (!MoveFocus(target, true))
        return;
    if (Refs().focus == target)
        m_layout.EnsureVisible(*target, false, false);
    if (model.SelectionVersion() != before)
        SelectionChanged();
}

bool CTreeGrid::CImpl::CInteraction::CancelMouseOperation()
{
    if (GetCapture() != m_window)
        return false;
    std::shared_ptr<bool> const alive = m_alive;
    switch (m_resize)
    {
    case Resize::Column:
        if (lumo::TreeColumn* const column = Refs().resizedColumn)
        {
            column->SetWidth(m_startSize);
            if (Handler() != nullptr)
                Handler()->ColumnResized(InterfaceOf(column));
        }
        break;
    case Resize::Row:
        if (lumo::TreeNode* const node = Refs().resizedRow)
        {
            node->SetHeight(static_cast<unsigned>(m_startSize));
            if (Handler() != nullptr)
                Handler()->RowResized(InterfaceOf(node));
        }
        break;
    case Resize::RowHeaderWidth:
        m_grid.Model().SetRowHeaderWidth(static_cast<unsigned>(m_startSize));
        break;
    case Resize::ColumnHeaderHeight:
        m_grid.Model().SetColumnHeaderHeight(static_cast<unsigned>(m_startSize), false);
        break;
    case Resize::FloatControl:
        if (lumo::FreeFloatControl* const control = PressedFree())
        {
            control->SetRect(m_startRect);
            if (Handler() != nullptr)
                Handler()->FloatControlMoveFinished(InterfaceOf(static_cast<lumo::FloatControl*>(control)));
        }
        break;
    case Resize::None:
        break;
    }
    if (!Alive(alive))
        return true;
    m_resize = Resize::None;
    DropDragImage();
    m_dragging = false;
    Refs().draggedColumn = Refs().dropColumn = nullptr;
    Refs().dropNode = nullptr;
    Refs().draggedNodes.clear();
    if (lumo::TreeNode* const header = Refs().pressedRowHeader)
        header->SetHeaderState(lumo::kStatePush, false);
    if (lumo::TreeColumn* const header = Refs().pressedColumnHeader)
        header->SetHeaderState(lumo::kStatePush, false);
    EndPress();
    m_releasing = true;
    ReleaseCapture();
    m_releasing = false;
    m_layout.LayoutChanged();
    return true;
}

void CTreeGrid::CImpl::CInteraction::OnCaptureLost()
{
    // Another window took the mouse in the middle of an operation: it ends as Escape would end it.
    if (m_releasing)
        return;
    m_releasing = true;
    if (m_resize != Resize::None || m_dragging)
    {
        DropDragImage();
        m_dragging = false;
        m_resize = Resize::None;
        Refs().draggedColumn = Refs().dropColumn = nullptr;
        Refs().dropNode = nullptr;
        Refs().draggedNodes.clear();
        m_grid.View().Repaint();
    }
    EndPress();
    m_releasing = false;
}

// --- Characters

void CTreeGrid::CImpl::CInteraction::OnChar(wchar_t character)
{
    std::shared_ptr<bool> const alive = m_alive;
    lumo::TreeModel& model = m_grid.Model();
    lumo::FloatControl* const focus = Refs().focus;
    lumo::TreeCell* const cell = focus != nullptr ? focus->AsCell() : nullptr;
    if (character == L'+' || character == L'-')
    {
        bool const expand = character == L'+';
        if (cell != nullptr && &cell->GetColumn() == model.GetTreeColumn() &&
            cell->GetNode().IsExpanded() != expand)
            cell->GetNode().SetExpanded(expand);
        return;
    }
    if (!model.IsStyleSet(lumo::TreeStyle::kTypeAhead) || character < L' ')
        return;
    lumo::TreeCell* const found = m_typeAhead.Type(model, cell, character, GetTickCount());
    if (found == nullptr)
        return;
    std::uint64_t const before = model.SelectionVersion();
    if (!SelectOnly(*found) || !MoveFocus(found, true))
    {
        if (Alive(alive) && model.SelectionVersion() != before)
            SelectionChanged();
        return;
    }
    if (Refs().focus == found)
        m_layout.EnsureVisible(*found, false, false);
    if (model.SelectionVersion() != before)
        SelectionChanged();
}
