// What the property list does with the user's keys and mouse: in the container (toolbar, divider,
// owner-drawn parts), the list (selection, expanding, the divider, the context menu), the editor and
// the drop-down.
#include "LumoControls/PropertyList/w32/PropertyListImpl.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/MessageBoundary.h"
#include "INC/w32/PlatformFailure.h"
#include "LumoControls/PropertyList/PropertyValues.h"
#include "LumoCtrls/LumoControls.h"
#include "Plat/w32/LumoCtrlsResources.h"

#include <commctrl.h>
#include <windowsx.h>

using lumo::kPropertyListSourcePath;
using lumo::PropertyRecord;

namespace
{
constexpr int kDividerGrip = 1;   // the divider is grabbed within this many pixels
constexpr int kDividerLeft = 31;  // the divider stays between this x ...
constexpr int kDividerRight = 30; // ... and this many pixels before the right edge

CPropertyListCtrl::CImpl* FromList(HWND list)
{
    return reinterpret_cast<CPropertyListCtrl::CImpl*>(
        GetWindowLongPtrW(list, lumo::PropertyListBoxExtraBytes()));
}

CPropertyListCtrl::CImpl* FromProperty(HWND window)
{
    return static_cast<CPropertyListCtrl::CImpl*>(GetPropW(window, L"PropertyListImpl"));
}

bool IsKeyDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}
} // namespace

// --- The container.

LRESULT CALLBACK CPropertyListCtrl::CImpl::ContainerProcedure(HWND window, UINT message, WPARAM wParam,
                                                              LPARAM lParam)
{
    CImpl* self = FromContainer(window);
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return lumo::DispatchGuarded(window, message, wParam, lParam,
                                 [&] { return self->OnContainerMessage(window, message, wParam, lParam); });
}

LRESULT CPropertyListCtrl::CImpl::OnContainerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_NCDESTROY:
        if (m_container == nullptr || m_container.GetHandle() != window)
            break; // the drop-down's owner
        ReleaseWindows(false);
        break;
    case WM_DRAWITEM:
    {
        auto const& draw = *reinterpret_cast<DRAWITEMSTRUCT const*>(lParam);
        if (draw.hwndItem == m_list)
            DrawRow(draw);
        else if (draw.hwndItem == m_description)
            DrawDescription(draw);
        else if (draw.hwndItem == m_dropDown)
            DrawChoice(draw);
        return TRUE;
    }
    case WM_MEASUREITEM:
        // The list's rows keep the list box's own height; the drop-down's rows leave room for an icon.
        if (wParam != kListId)
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 18;
        return TRUE;
    case WM_COMMAND:
    {
        int const button = LOWORD(wParam);
        unsigned const bit = button == kCategorizedButton    ? STYLE_CATEGORIZED
                             : button == kAlphabeticalButton ? STYLE_ALPHABETICAL
                             : button == kShowLinesButton    ? STYLE_SHOW_LINES
                                                             : 0;
        if (bit != 0 && m_manager != nullptr && reinterpret_cast<HWND>(lParam) == m_toolbar)
        {
            bool const checked =
                SendMessageW(m_toolbar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(button), 0) != 0;
            m_manager->SetStyle(bit, checked);
            SyncToolbar();
        }
        return 0;
    }
    case WM_NOTIFY:
    {
        auto const* header = reinterpret_cast<NMHDR const*>(lParam);
        if (header->code == TTN_GETDISPINFOW)
        {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            UINT const text = header->idFrom == kCategorizedButton    ? IDS_PROPERTY_CATEGORIZED
                              : header->idFrom == kAlphabeticalButton ? IDS_PROPERTY_ALPHABETICAL
                                                                      : IDS_PROPERTY_SHOW_LINES;
            info->hinst = lumo::LibraryModule();
            info->lpszText = MAKEINTRESOURCEW(text);
            return 0;
        }
        if (header->hwndFrom == m_divider.GetHWnd() && m_manager != nullptr)
        {
            // The divider proposes its top; the description pane takes the room below it.
            auto const& notification = *reinterpret_cast<CSplitter::TNotification const*>(lParam);
            if (header->code == CSplitter::NOTIFY_LAYOUT && m_divider.IsOnDrag())
            {
                RECT const client = m_container.GetClientRect();
                int const height = client.bottom - notification.rect.top - kDividerWeight;
                if (height >= 0 && notification.rect.top > ToolbarHeight() + RowHeight())
                    m_manager->SetCommentsWindowHeight(height);
            }
        }
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// --- The list.

LRESULT CALLBACK CPropertyListCtrl::CImpl::ListProcedure(HWND window, UINT message, WPARAM wParam,
                                                         LPARAM lParam)
{
    CImpl* self = FromList(window);
    WNDPROC const base = lumo::PropertyListBoxProcedure();
    if (self == nullptr)
        return CallWindowProcW(base, window, message, wParam, lParam);
    return lumo::DispatchGuarded(
        window, message, wParam, lParam, [&] { return self->OnListMessage(message, wParam, lParam); }, base);
}

LRESULT CPropertyListCtrl::CImpl::OnListMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC const base = lumo::PropertyListBoxProcedure();
    auto const callBase = [&] { return CallWindowProcW(base, m_list, message, wParam, lParam); };
    bool const active = m_enabled && m_manager != nullptr;
    switch (message)
    {
    case WM_KEYDOWN:
        if (!active || OnListKey(wParam))
            return 0;
        break;
    case WM_CHAR:
    {
        PropertyRecord* item = active ? m_editing : nullptr;
        if (item == nullptr || wParam == L'+' || wParam == L'-' || wParam == L'\r' || wParam == L'\t' ||
            !item->enabled || GetFocus() == m_editor)
            return active ? 0 : callBase();
        SetWindowTextW(m_editor, L"");
        if (!item->readOnly)
            SetFocus(m_editor);
        SendMessageW(m_editor, WM_CHAR, wParam, lParam);
        return 0;
    }
    case WM_SETCURSOR:
    {
        POINT point{};
        GetCursorPos(&point);
        ScreenToClient(m_list, &point);
        if (active &&
            (m_draggingDivider || std::abs(point.x - m_manager->GetSplitterPosition()) <= kDividerGrip))
        {
            SetCursor(LoadCursorW(lumo::LibraryModule(), MAKEINTRESOURCEW(IDC_RESIZE_HORIZONTAL)));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (active)
            OnListButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, message == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        if (m_draggingDivider && m_manager != nullptr)
        {
            RECT client{};
            GetClientRect(m_list, &client);
            SetDividerX(std::max(kDividerLeft, std::min(GET_X_LPARAM(lParam),
                                                        static_cast<int>(client.right) - kDividerRight)));
            return 0;
        }
        if (active)
            UpdateTooltip({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_MOUSELEAVE:
        HideTooltip();
        break;
    case WM_LBUTTONUP:
        if (m_draggingDivider)
        {
            m_draggingDivider = false;
            ReleaseCapture();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        m_draggingDivider = false;
        break;
    case WM_RBUTTONDOWN:
        if (active)
        {
            LRESULT const hit = SendMessageW(m_list, LB_ITEMFROMPOINT, 0, lParam);
            if (HIWORD(hit) == 0)
                SelectRow(LOWORD(hit), false);
        }
        return 0;
    case WM_RBUTTONUP:
        if (active)
        {
            POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(m_list, &point);
            ShowContextMenu(point);
        }
        return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == m_button && HIWORD(wParam) == BN_CLICKED && active)
            OnValueButton();
        else if (reinterpret_cast<HWND>(lParam) == m_editor && HIWORD(wParam) == EN_KILLFOCUS &&
                 GetFocus() != m_dropDown)
            CommitEditor();
        return 0;
    case WM_NOTIFY:
    {
        auto const* header = reinterpret_cast<NMHDR const*>(lParam);
        if (SupplyTooltipText(reinterpret_cast<NMHDR*>(lParam)))
            return 0;
        if (header->hwndFrom == m_spin && header->code == UDN_DELTAPOS && active)
        {
            OnSpin(reinterpret_cast<NMUPDOWN const*>(lParam)->iDelta);
            return 1; // the spin keeps no position of its own
        }
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // PaintRows covers the whole list
    case WM_PAINT:
        PaintRows();
        return 0;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    {
        LRESULT const result = callBase();
        if (m_editorVisible)
            LayoutEditor(false);
        return result;
    }
    default:
        break;
    }
    return callBase();
}

void CPropertyListCtrl::CImpl::SetDividerX(int x)
{
    m_manager->SetSplitterPosition(x);
}

bool CPropertyListCtrl::CImpl::OnListKey(WPARAM key)
{
    PropertyRecord* item = m_manager->GetImpl().Selected();
    if (item != nullptr && !item->enabled)
        return true; // a disabled selection swallows every key
    switch (key)
    {
    case VK_DELETE:
        if (item != nullptr && item->type == CPropertyItem::TYPE_CUSTOM && item->keyboardDeletable &&
            !item->value.empty())
        {
            SetWindowTextW(m_editor, L"");
            CommitValue(*item, L"", 0);
        }
        return true;
    case VK_F4:
        if (item != nullptr &&
            (item->type == CPropertyItem::TYPE_LIST || item->type == CPropertyItem::TYPE_IMAGE))
            OpenDropDown();
        return true;
    case VK_ADD:
    case VK_SUBTRACT:
        if (item != nullptr && item->firstChild != nullptr && item->expanded != (key == VK_ADD))
            ToggleExpanded(*item);
        return true;
    case VK_RETURN:
        if (item != nullptr && item->IsCategory())
            ToggleExpanded(*item);
        else if (m_editorVisible)
            SetFocus(m_editor);
        return true;
    case VK_TAB:
        if (IsKeyDown(VK_SHIFT))
            return false;
        [[fallthrough]];
    case VK_F2:
        if (m_editorVisible)
            SetFocus(m_editor);
        return true;
    default:
        break;
    }
    // Row movement is the list box's; a move onto a disabled item goes on in the same direction.
    int const before = static_cast<int>(SendMessageW(m_list, LB_GETCURSEL, 0, 0));
    CallWindowProcW(lumo::PropertyListBoxProcedure(), m_list, WM_KEYDOWN, key, 0);
    int row = static_cast<int>(SendMessageW(m_list, LB_GETCURSEL, 0, 0));
    int const step = row >= before ? 1 : -1;
    while (row >= 0 && row < m_rows.Count() && !RowItem(row)->enabled)
        row += step;
    if (row < 0 || row >= m_rows.Count())
        row = before;
    if (row != before)
        SelectRow(row, !IsKeyDown(VK_UP) && !IsKeyDown(VK_DOWN) && key != VK_UP && key != VK_DOWN);
    else
        SendMessageW(m_list, LB_SETCURSEL, static_cast<WPARAM>(before), 0);
    return true;
}

void CPropertyListCtrl::CImpl::OnListButtonDown(POINT point, bool doubleClick)
{
    int const divider = m_manager->GetSplitterPosition();
    if (!doubleClick && std::abs(point.x - divider) <= kDividerGrip)
    {
        m_draggingDivider = true;
        SetCapture(m_list);
        return;
    }
    if (GetFocus() != m_editor)
        SetFocus(m_list);
    LRESULT const hit = SendMessageW(m_list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) != 0)
        return;
    int const row = LOWORD(hit);
    PropertyRecord* item = RowItem(row);
    if (item == nullptr || !item->enabled)
        return;
    RECT rect{};
    SendMessageW(m_list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    bool const inExpandBox =
        point.x >= 3 && point.x < 12 && point.y >= rect.top + 4 && point.y < rect.bottom - 4;
    CAliveCheck const alive(*this);
    SelectRow(row, point.x > divider);
    if (!alive.Alive() || item->row < 0)
        return;
    if (item->firstChild != nullptr && (doubleClick || inExpandBox))
    {
        ToggleExpanded(*item);
        return;
    }
    // The caret lands where the user clicked in the value.
    if (point.x > divider && m_editorVisible && m_editing == item)
    {
        POINT inEditor = point;
        MapWindowPoints(m_list, m_editor, &inEditor, 1);
        SendMessageW(m_editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inEditor.x, inEditor.y));
        SendMessageW(m_editor, WM_LBUTTONUP, 0, MAKELPARAM(inEditor.x, inEditor.y));
    }
}

void CPropertyListCtrl::CImpl::ShowContextMenu(POINT point)
{
    PropertyRecord* item = m_manager->GetImpl().Selected();
    bool const resettable = item != nullptr && item->enabled && !item->IsCategory();
    std::wstring resetValue;
    bool canReset = false;
    CAliveCheck const alive(*this);
    if (resettable)
        if (CPropertyManager::IEventsHandler* handler = m_manager->GetImpl().Handler())
            canReset = handler->GetResetValue(item, resetValue);
    if (!alive.Alive())
        return;
    HMENU const menu = LoadMenuW(lumo::LibraryModule(), MAKEINTRESOURCEW(IDM_PROPERTY_CONTEXT));
    if (menu == nullptr)
        lumo::ThrowLastError(L"LoadMenu", kPropertyListSourcePath, __LINE__);
    HMENU const popup = GetSubMenu(menu, 0);
    if (popup == nullptr)
    {
        DestroyMenu(menu);
        lumo::ThrowLastError(L"GetSubMenu", kPropertyListSourcePath, __LINE__);
    }
    EnableMenuItem(popup, IDM_PROPERTY_RESET, MF_BYCOMMAND | (canReset ? MF_ENABLED : MF_GRAYED));
    bool const descriptionShown = !m_manager->IsStyleSet(STYLE_NO_COMMENTS);
    CheckMenuItem(popup, IDM_PROPERTY_DESCRIPTION,
                  MF_BYCOMMAND | (descriptionShown ? MF_CHECKED : MF_UNCHECKED));
    BOOL const command =
        CLumoControls::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, m_list);
    DestroyMenu(menu);
    if (!alive.Alive())
        return;
    if (command == IDM_PROPERTY_DESCRIPTION)
        m_manager->SetStyle(STYLE_NO_COMMENTS, descriptionShown);
    else if (command == IDM_PROPERTY_RESET && canReset && item == m_manager->GetImpl().Selected())
    {
        if (item == m_editing)
            SetWindowTextW(m_editor, resetValue.c_str());
        CommitValue(*item, resetValue, lumo::IndexOfChoice(item->choices, resetValue));
    }
}

// --- The editor and the drop-down.

LRESULT CALLBACK CPropertyListCtrl::CImpl::EditorProcedure(HWND window, UINT message, WPARAM wParam,
                                                           LPARAM lParam)
{
    CImpl* self = FromProperty(window);
    if (self == nullptr || self->m_editorSubclass == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC const previous = self->m_editorSubclass->GetPrevious();
    return lumo::DispatchGuarded(
        window, message, wParam, lParam, [&] { return self->OnEditorMessage(message, wParam, lParam); },
        previous);
}

LRESULT CPropertyListCtrl::CImpl::OnEditorMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    lumo::CWindowSubclass const& subclass = *m_editorSubclass;
    if (message == WM_GETDLGCODE)
        return subclass.CallPrevious(message, wParam, lParam) | DLGC_WANTALLKEYS;
    if (message == WM_KEYDOWN)
    {
        switch (wParam)
        {
        case VK_RETURN:
            CommitEditor();
            return 0;
        case VK_ESCAPE:
            if (m_editing != nullptr)
            {
                SetWindowTextW(m_editor, m_editing->value.c_str());
                SendMessageW(m_editor, EM_SETMODIFY, FALSE, 0);
                SendMessageW(m_editor, EM_SETSEL, 0, -1);
            }
            return 0;
        case VK_F4:
            OpenDropDown();
            return 0;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
            // Row movement goes on from the editor: commit, then move as the list does.
            CommitEditor();
            if (m_list != nullptr)
            {
                SetFocus(m_list);
                SendMessageW(m_list, WM_KEYDOWN, wParam, lParam);
            }
            return 0;
        case VK_TAB:
            CommitEditor();
            return 0;
        default:
            break;
        }
    }
    if (message == WM_CHAR && (wParam == L'\r' || wParam == L'\t' || wParam == 27))
        return 0; // no beep for keys handled above
    return subclass.CallPrevious(message, wParam, lParam);
}

LRESULT CALLBACK CPropertyListCtrl::CImpl::DropDownProcedure(HWND window, UINT message, WPARAM wParam,
                                                             LPARAM lParam)
{
    CImpl* self = FromProperty(window);
    if (self == nullptr || self->m_dropDownSubclass == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC const previous = self->m_dropDownSubclass->GetPrevious();
    return lumo::DispatchGuarded(
        window, message, wParam, lParam, [&] { return self->OnDropDownMessage(message, wParam, lParam); },
        previous);
}

LRESULT CPropertyListCtrl::CImpl::OnDropDownMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    lumo::CWindowSubclass const& subclass = *m_dropDownSubclass;
    switch (message)
    {
    case WM_LBUTTONUP:
    {
        LRESULT const result = subclass.CallPrevious(message, wParam, lParam);
        LRESULT const hit = SendMessageW(m_dropDown, LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(hit) == 0)
        {
            SendMessageW(m_dropDown, LB_SETCURSEL, LOWORD(hit), 0);
            ChooseFromDropDown();
        }
        return result;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN)
        {
            ChooseFromDropDown();
            return 0;
        }
        if (wParam == VK_ESCAPE)
        {
            CloseDropDown();
            SetFocus(m_editor);
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        CloseDropDown();
        break;
    case WM_ERASEBKGND:
    {
        // Below the last choice: the platform's list box class has no background of its own.
        RECT client{};
        GetClientRect(m_dropDown, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    default:
        break;
    }
    return subclass.CallPrevious(message, wParam, lParam);
}
