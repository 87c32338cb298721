// The list window's notifications, as the container receives them: the cell store follows the list's own
// insertions and deletions, the virtual list gets its texts, and the host hears of the rest.
#include "LumoControls/LumoGrid/w32/GridImpl.h"

#include "INC/w32/PlatformFailure.h"

#include "INC/w32/LibraryModule.h"
#include "LumoCtrls/LumoControls.h"
#include "Plat/w32/LumoCtrlsResources.h"

using Control = CGrid::CImpl::CGridControl;

namespace
{
POINT ScreenPoint(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    return client;
}
} // namespace

void Control::OnListNotification(NMHDR& header, LRESULT& result)
{
    auto const alive = m_alive;
    CEventsHandler* const handler = m_handler;
    auto& list = reinterpret_cast<NMLISTVIEW&>(header);
    auto& activate = reinterpret_cast<NMITEMACTIVATE&>(header);
    IColumn* const selected = ColumnOrNull(static_cast<int>(m_model.SelectedColumn()));
    switch (header.code)
    {
    case LVN_GETDISPINFOW:
    {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
        if ((item.mask & LVIF_TEXT) && item.iItem >= 0 &&
            static_cast<unsigned>(item.iItem) < m_model.ItemCount() && item.iSubItem >= 0 &&
            static_cast<unsigned>(item.iSubItem) < m_model.ColumnCount())
        {
            m_displayText = m_model.Column(item.iSubItem).ItemText(item.iItem);
            item.pszText = const_cast<wchar_t*>(m_displayText.c_str());
        }
        return;
    }
    case LVN_INSERTITEM:
        m_model.ListInsertedItem(list.iItem);
        if (handler != nullptr)
            handler->OnItemInserted(list.iItem);
        return;
    case LVN_DELETEITEM:
        if (list.iItem >= 0 && static_cast<unsigned>(list.iItem) < m_model.ItemCount())
            m_model.ListDeletedItem(list.iItem);
        if (handler != nullptr)
            handler->OnItemDeleted(list.iItem);
        return;
    case LVN_DELETEALLITEMS:
        m_model.ListDeletedAll();
        result = TRUE; // no per-item notifications: the cells are gone already
        if (handler != nullptr)
            handler->OnAllItemsDeleted();
        return;
    default:
        break;
    }
    if (handler == nullptr)
    {
        if (header.code == NM_RCLICK)
            ShowContextMenu(ScreenPoint(m_list, activate.ptAction), activate.iItem, activate.iSubItem);
        return;
    }
    switch (header.code)
    {
    case LVN_BEGINDRAG:
        handler->OnBeginDrag(list.iItem);
        break;
    case LVN_BEGINRDRAG:
        handler->OnBeginRightDrag(list.iItem);
        break;
    case LVN_COLUMNCLICK:
    {
        // A click on column 0's header inside the row-number area is a click on that area.
        POINT point{};
        DWORD const position = GetMessagePos();
        point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
        ScreenToClient(m_list, &point);
        if (list.iSubItem == 0 && m_model.HasRowNumbers() &&
            point.x + GetScrollPos(m_list, SB_HORZ) < RowNumberAreaWidth())
            handler->OnRowNumberHeaderClick();
        else
            handler->OnColumnClick(ColumnOrNull(list.iSubItem));
        break;
    }
    case LVN_HOTTRACK:
        UpdateTooltip(list.iItem, list.iSubItem);
        if (*alive)
            result = handler->OnHotTrack(list.iItem, ColumnOrNull(list.iSubItem), list.ptAction.x,
                                         list.ptAction.y);
        break;
    case LVN_ITEMCHANGING:
        if (list.uChanged & LVIF_STATE)
            result =
                handler->OnItemChanging(list.iItem, selected, list.uNewState, list.uOldState, list.uChanged);
        break;
    case LVN_ITEMCHANGED:
        if (!(list.uChanged & LVIF_STATE))
            break;
        if ((list.uNewState ^ list.uOldState) & LVIS_SELECTED)
        {
            handler->OnSelectionChanged(list.iItem, selected, list.uNewState, list.uOldState, list.uChanged);
            if (!*alive)
                return;
        }
        if (((list.uNewState ^ list.uOldState) & LVIS_FOCUSED) && list.iItem >= 0)
            handler->OnFocusChanged(list.iItem, selected, (list.uNewState & LVIS_FOCUSED) != 0);
        break;
    case LVN_ODSTATECHANGED:
    {
        auto const& range = reinterpret_cast<NMLVODSTATECHANGE const&>(header);
        handler->OnRangeStateChanged(range.iFrom, range.iTo, range.uNewState, range.uOldState);
        break;
    }
    case LVN_KEYDOWN:
        handler->OnKeyDown(reinterpret_cast<NMLVKEYDOWN const&>(header).wVKey);
        break;
    case LVN_MARQUEEBEGIN:
        result = handler->OnMarqueeBegin();
        break;
    case NM_CLICK:
        handler->OnClick(activate.iItem, ColumnOrNull(activate.iSubItem), activate.ptAction.x,
                         activate.ptAction.y);
        break;
    case NM_DBLCLK:
        handler->OnDoubleClick(activate.iItem, ColumnOrNull(activate.iSubItem), activate.ptAction.x,
                               activate.ptAction.y);
        break;
    case NM_HOVER:
        result = handler->OnHover();
        break;
    case NM_KILLFOCUS:
        handler->OnKillFocus();
        break;
    case NM_RCLICK:
    {
        // The grid's own menu comes first; the host's answer then decides the list's default handling.
        ShowContextMenu(ScreenPoint(m_list, activate.ptAction), activate.iItem, activate.iSubItem);
        if (*alive)
            result = !handler->OnRightClick(activate.iItem, ColumnOrNull(activate.iSubItem),
                                            activate.ptAction.x, activate.ptAction.y);
        break;
    }
    case NM_RDBLCLK:
        handler->OnRightDoubleClick(activate.iItem, ColumnOrNull(activate.iSubItem), activate.ptAction.x,
                                    activate.ptAction.y);
        break;
    case NM_RELEASEDCAPTURE:
        handler->OnReleasedCapture();
        break;
    case NM_RETURN:
        handler->OnReturn();
        break;
    case NM_SETFOCUS:
        handler->OnSetFocus();
        break;
    default:
        break;
    }
}

void Control::ShowContextMenu(POINT screen, int item, int column)
{
    auto const alive = m_alive;
    unsigned const selectedCount = static_cast<unsigned>(SendMessageW(m_list, LVM_GETSELECTEDCOUNT, 0, 0));
    if (item < 0 || selectedCount == 0)
    {
        if (m_handler != nullptr)
            m_handler->OnEmptyContextMenu(screen);
        return;
    }
    if (column == 0 && m_model.HasRowNumbers())
    {
        POINT client = screen;
        ScreenToClient(m_list, &client);
        if (client.x + GetScrollPos(m_list, SB_HORZ) < RowNumberAreaWidth())
        {
            if (m_handler != nullptr)
                m_handler->OnRowNumberContextMenu(item, screen);
            return;
        }
    }
    if (column >= 0 && static_cast<unsigned>(column) < m_model.ColumnCount() &&
        static_cast<unsigned>(column) != m_model.SelectedColumn())
    {
        unsigned const previous = m_model.SelectedColumn();
        m_model.SetSelectedColumn(static_cast<unsigned>(column));
        if (!*alive)
            return;
        for (unsigned selectedItem : SelectedItems())
        {
            InvalidateCell(selectedItem, previous);
            InvalidateCell(selectedItem, static_cast<unsigned>(column));
        }
    }
    if (m_handler != nullptr)
    {
        bool const show = column == 0 ? m_handler->OnItemContextMenu(item, screen)
                                      : m_handler->OnCellContextMenu(item, ColumnOrNull(column), screen);
        if (!*alive || !show)
            return;
    }
    CMenu menu;
    menu.Load(lumo::LibraryModule(), IDM_GRID_CONTEXT);
    HMENU const popup = GetSubMenu(menu.GetHandle(), 0);
    if (popup == nullptr)
        CWindowsApiFailed::CreateAndThrow(L"GetSubMenu", GetLastError(), lumo::kGridSourcePath, __LINE__);
    EnableMenuItem(popup, IDM_GRID_PASTE,
                   MF_BYCOMMAND | (IsClipboardFormatAvailable(CF_UNICODETEXT) ? MF_ENABLED : MF_GRAYED));
    int const chosen =
        CLumoControls::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, m_list);
    if (!*alive)
        return;
    if (chosen == IDM_GRID_CUT)
        CutToClipboard();
    else if (chosen == IDM_GRID_COPY)
        CopyToClipboard();
    else if (chosen == IDM_GRID_PASTE)
        PasteFromClipboard();
}
