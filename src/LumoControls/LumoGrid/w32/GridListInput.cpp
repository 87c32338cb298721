// What the list window does with keys, characters, clicks and its two timers before (or instead of) the
// platform's list view, and the header's notifications to it.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

#include "INC/w32/PlatformFailure.h"

#include <windowsx.h>

using Control = CGrid::CImpl::CGridControl;

namespace
{
constexpr UINT_PTR kClickTimer = 309;
constexpr UINT kClickTimerPeriod = 2000;
constexpr UINT_PTR kEditTimer = 310;
constexpr UINT kEditTimerPeriod = 1000;

bool Held(int key)
{
    return GetKeyState(key) < 0;
}

// Characters that start editing: everything from the space on but DEL and the C1 controls.
bool IsPrintable(wchar_t c)
{
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c <= 0x9F);
}
} // namespace

LRESULT Control::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    auto const alive = m_alive;
    WNDPROC const base = lumo::ListBaseProcedure();
    switch (message)
    {
    case WM_NOTIFY:
    {
        auto const& header = *reinterpret_cast<NMHDR const*>(lParam);
        if (header.hwndFrom == m_tooltip && header.code == TTN_GETDISPINFOW)
        {
            auto& info = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
            m_displayText.clear();
            if (m_hotItem >= 0 && static_cast<unsigned>(m_hotItem) < m_model.ItemCount() &&
                m_hotColumn >= 0 && static_cast<unsigned>(m_hotColumn) < m_model.ColumnCount())
                m_displayText = m_model.Column(m_hotColumn).ItemText(m_hotItem);
            info.lpszText = const_cast<wchar_t*>(m_displayText.c_str());
            return 0;
        }
        if (header.hwndFrom == m_tooltip && header.code == TTN_SHOW && m_hotItem >= 0)
        {
            // Over the cell itself, so that the text seems to grow out of it.
            RECT place = CellRect(static_cast<unsigned>(m_hotItem), static_cast<unsigned>(m_hotColumn));
            MapWindowPoints(m_list, nullptr, reinterpret_cast<POINT*>(&place), 2);
            SendMessageW(m_tooltip, TTM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&place));
            SetWindowPos(m_tooltip, nullptr, place.left, place.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return TRUE;
        }
        if (header.hwndFrom != Header())
            break;
        auto const* change = reinterpret_cast<NMHEADERW const*>(lParam);
        if (header.code == HDN_ITEMCHANGINGW || header.code == HDN_ITEMCHANGINGA)
        {
            if (change->pitem == nullptr || !(change->pitem->mask & HDI_WIDTH))
                break;
            // Column 0 keeps room for the row numbers; any width change ends the edit.
            if (m_model.HasRowNumbers() && change->iItem == 0 && change->pitem->cxy < RowNumberAreaWidth())
                return TRUE;
            m_editing.EndEdit();
            if (!*alive)
                return TRUE;
            break;
        }
        if (header.code == NM_RCLICK && m_handler != nullptr)
        {
            DWORD const position = GetMessagePos();
            POINT screen{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
            HDHITTESTINFO hit{};
            hit.pt = screen;
            ScreenToClient(header.hwndFrom, &hit.pt);
            int const item = static_cast<int>(
                SendMessageW(header.hwndFrom, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            if (item == 0 && m_model.HasRowNumbers() && hit.pt.x < RowNumberAreaWidth())
                m_handler->OnRowNumberHeaderContextMenu();
            else
                m_handler->OnHeaderContextMenu(ColumnOrNull(item), screen);
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM:
    {
        auto const& draw = *reinterpret_cast<DRAWITEMSTRUCT const*>(lParam);
        if (draw.CtlType != ODT_HEADER)
            break;
        DrawHeaderItem(draw);
        return TRUE;
    }
    case WM_KEYDOWN:
        if (OnKeyDown(static_cast<unsigned>(wParam)))
            return 0;
        break;
    case WM_CHAR:
        if (IsPrintable(static_cast<wchar_t>(wParam)) && !Held(VK_CONTROL) && m_editing.EditingItem() < 0)
        {
            if (m_editing.Edit() && *alive && m_editor != nullptr)
                m_editor->SetText(std::wstring(1, static_cast<wchar_t>(wParam)));
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLeftDoubleClick(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_TIMER:
        if (wParam == kClickTimer || wParam == kEditTimer)
        {
            OnTimer(wParam);
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        m_clicks.Stop();
        KillTimer(m_list, kClickTimer);
        KillTimer(m_list, kEditTimer);
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        // The editor does not travel with the rows: scrolling ends the edit.
        m_editing.EndEdit();
        if (!*alive)
            return 0;
        break;
    default:
        break;
    }
    return CallWindowProcW(base, m_list, message, wParam, lParam);
}

bool Control::OnKeyDown(unsigned key)
{
    auto const alive = m_alive;
    unsigned const count = m_model.ItemCount();
    int const focused = FocusedItem();
    bool const onLast = count > 0 && focused == static_cast<int>(count) - 1;
    lumo::ListKey const action = lumo::MapListKey(key, Held(VK_CONTROL), Held(VK_SHIFT), onLast);
    switch (action.action)
    {
    case lumo::ListKeyAction::Copy:
        CopyToClipboard();
        break;
    case lumo::ListKeyAction::Cut:
        CutToClipboard();
        break;
    case lumo::ListKeyAction::Paste:
        PasteFromClipboard();
        break;
    case lumo::ListKeyAction::CreateAtFocus:
        m_editing.CreateItem(focused < 0 ? 0 : focused);
        break;
    case lumo::ListKeyAction::CreateAtEnd:
        m_editing.CreateItem(static_cast<int>(count));
        break;
    case lumo::ListKeyAction::Delete:
        m_editing.DeleteSelected();
        break;
    case lumo::ListKeyAction::PreviousColumn:
    case lumo::ListKeyAction::NextColumn:
        m_editing.MoveCurrent(action.action == lumo::ListKeyAction::NextColumn ? 1 : -1, 0);
        break;
    case lumo::ListKeyAction::TabForward:
    case lumo::ListKeyAction::TabBackward:
        m_editing.Tab(action.action == lumo::ListKeyAction::TabForward);
        if (*alive && FocusedItem() >= 0)
            EnsureVisible(FocusedItem());
        break;
    case lumo::ListKeyAction::Edit:
        if (focused >= 0)
            EnsureVisible(focused);
        if (*alive)
            m_editing.Edit();
        break;
    case lumo::ListKeyAction::Swallow:
    case lumo::ListKeyAction::None:
        break;
    }
    return !*alive || !action.passOn;
}

std::pair<int, int> Control::CellAt(POINT point) const
{
    LVHITTESTINFO hit{};
    hit.pt = point;
    if (SendMessageW(m_list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 || hit.iItem < 0)
        return {-1, -1};
    return {hit.iItem, hit.iSubItem};
}

RECT Control::CellRect(unsigned item, unsigned column) const
{
    RECT cell{};
    cell.top = static_cast<LONG>(column);
    cell.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    if (!SendMessageW(m_list, LVM_GETSUBITEMRECT, item, reinterpret_cast<LPARAM>(&cell)))
        lumo::ThrowLastError(L"ListView_GetItemRect", lumo::kGridSourcePath, __LINE__);
    if (column == 0)
        cell.left = -GetScrollPos(m_list, SB_HORZ); // the label starts after an icon column we do not have
    return cell;
}

void Control::OnLeftButtonDown(WPARAM flags, POINT point)
{
    auto const alive = m_alive;
    WNDPROC const base = lumo::ListBaseProcedure();
    ::SetFocus(m_list);
    if (!*alive)
        return;
    std::pair<int, int> const cell = CellAt(point);
    int const item = cell.first;
    if ((flags & (MK_SHIFT | MK_CONTROL)) || item < 0)
    {
        CallWindowProcW(base, m_list, WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
        return;
    }
    unsigned const column = cell.second >= 0 && static_cast<unsigned>(cell.second) < m_model.ColumnCount()
                                ? static_cast<unsigned>(cell.second)
                                : m_model.SelectedColumn();
    bool const editOnClick = column < m_model.ColumnCount() && m_model.Column(column).IsEditOnClick();
    // The clicked column becomes current (the host hears of it); false when the host closed the grid.
    auto makeColumnCurrent = [&]
    {
        if (column < m_model.ColumnCount())
            m_model.SetSelectedColumn(column);
        return *alive;
    };
    if (item != FocusedItem())
    {
        if (!makeColumnCurrent())
            return;
        if (IsItemSelected(static_cast<unsigned>(item)))
            SetItemState(item, 0, LVIS_SELECTED);
        CallWindowProcW(base, m_list, WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
        if (!*alive || !makeColumnCurrent())
            return;
        m_clicks.ClickedOther(item, column);
        KillTimer(m_list, kEditTimer);
        SetTimer(m_list, kClickTimer, kClickTimerPeriod, nullptr);
        if (editOnClick)
            m_editing.Edit();
        return;
    }
    if (m_clicks.ClickedFocused(item, column))
    {
        KillTimer(m_list, kClickTimer);
        SetTimer(m_list, kEditTimer, kEditTimerPeriod, nullptr);
    }
    else
        SetTimer(m_list, kClickTimer, kClickTimerPeriod, nullptr);
    SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
    if (!*alive || !makeColumnCurrent())
        return;
    std::vector<unsigned> const selected = SelectedItems();
    if (selected.size() <= 1 && editOnClick)
        m_editing.Edit();
    else if (selected.size() > 1)
        ReplaceSelection(selected, {static_cast<unsigned>(item)});
}

void Control::OnLeftDoubleClick(POINT point)
{
    auto const alive = m_alive;
    m_clicks.Stop();
    KillTimer(m_list, kClickTimer);
    KillTimer(m_list, kEditTimer);
    std::pair<int, int> const cell = CellAt(point);
    if (cell.first < 0 || cell.second < 0 || static_cast<unsigned>(cell.second) >= m_model.ColumnCount())
    {
        CallWindowProcW(lumo::ListBaseProcedure(), m_list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(point.x, point.y));
        return;
    }
    unsigned const column = static_cast<unsigned>(cell.second);
    if (m_model.Column(column).AreItemIconsShown())
    {
        RECT const place = CellRect(static_cast<unsigned>(cell.first), column);
        int const iconLeft = place.left + (column == 0 && m_model.HasRowNumbers() ? RowNumberAreaWidth() : 0);
        if (point.x >= iconLeft && point.x < iconLeft + lumo::kItemIconArea)
        {
            if (m_handler != nullptr)
                m_handler->OnIconDoubleClick(cell.first, ColumnAt(column));
            return;
        }
    }
    m_model.SetSelectedColumn(column);
    if (*alive)
        m_editing.Edit();
}

void Control::OnTimer(UINT_PTR timer)
{
    KillTimer(m_list, timer);
    if (timer == kClickTimer)
        m_clicks.ClickTimerFired();
    else if (m_clicks.EditTimerFired(m_editing.EditingItem() >= 0))
        m_editing.Edit();
}

void Control::UpdateTooltip(int item, int column)
{
    if (m_tooltip == nullptr || (item == m_hotItem && column == m_hotColumn))
        return;
    m_hotItem = item;
    m_hotColumn = column;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_list;
    tool.uId = 1;
    SendMessageW(m_tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    bool const exists = item >= 0 && static_cast<unsigned>(item) < m_model.ItemCount() && column >= 0 &&
                        static_cast<unsigned>(column) < m_model.ColumnCount();
    if (!exists || !(m_model.Column(column).ItemFlags(item) & lumo::kCellTooltip))
        return;
    bool const rightToLeft = m_model.Column(column).IsRightToLeft();
    tool.uFlags = TTF_SUBCLASS | TTF_TRANSPARENT | (rightToLeft ? TTF_RTLREADING : 0);
    tool.rect = CellRect(static_cast<unsigned>(item), static_cast<unsigned>(column));
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    LONG_PTR const exStyle = GetWindowLongPtrW(m_tooltip, GWL_EXSTYLE);
    SetWindowLongPtrW(m_tooltip, GWL_EXSTYLE,
                      rightToLeft ? exStyle | WS_EX_LAYOUTRTL : exStyle & ~WS_EX_LAYOUTRTL);
}
