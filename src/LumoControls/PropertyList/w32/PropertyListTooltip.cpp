// The tooltip that shows a name or value too wide for its column, over it. The tooltip window passes every
// mouse message on to the list, so that it never swallows a click meant for the row beneath it.
#include "LumoControls/PropertyList/w32/PropertyListImpl.h"

#include "INC/w32/LibraryModule.h"
#include "INC/w32/PlatformFailure.h"

#include <commctrl.h>
#include <windowsx.h>

using lumo::kPropertyListSourcePath;
using lumo::PropertyRecord;

namespace
{
wchar_t const kPreviousProcedure[] = L"PL_WndProc";
wchar_t const kListWindow[] = L"MainWnd";

LRESULT CALLBACK TooltipProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto const previous = reinterpret_cast<WNDPROC>(GetPropW(window, kPreviousProcedure));
    auto const list = static_cast<HWND>(GetPropW(window, kListWindow));
    if (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK && list != nullptr)
    {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(window, list, &point, 1);
        PostMessageW(list, message, wParam, MAKELPARAM(point.x, point.y));
        return 0;
    }
    if (message == WM_NCDESTROY && previous != nullptr)
    {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kPreviousProcedure);
        RemovePropW(window, kListWindow);
    }
    return previous != nullptr ? CallWindowProcW(previous, window, message, wParam, lParam)
                               : DefWindowProcW(window, message, wParam, lParam);
}

TTTOOLINFOW ListTool(HWND list)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = list;
    tool.uId = 1;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

int TextWidth(HWND window, std::wstring const& text, HFONT font)
{
    HDC const dc = GetDC(window);
    HGDIOBJ const previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size.cx;
}
} // namespace

void CPropertyListCtrl::CImpl::CreateTooltip()
{
    m_tooltip =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                        0, 0, 0, m_list, nullptr, lumo::LibraryModule(), nullptr);
    if (m_tooltip == nullptr)
        lumo::ThrowLastError(L"CreateWindowEx", kPropertyListSourcePath, __LINE__);
    SendMessageW(m_tooltip, WM_SETFONT, reinterpret_cast<WPARAM>(lumo::PropertyListFont(false)), FALSE);
    TTTOOLINFOW tool = ListTool(m_list);
    SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    LONG_PTR const previous = GetWindowLongPtrW(m_tooltip, GWLP_WNDPROC);
    SetPropW(m_tooltip, kPreviousProcedure, reinterpret_cast<HANDLE>(previous));
    SetPropW(m_tooltip, kListWindow, m_list);
    if (SetWindowLongPtrW(m_tooltip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TooltipProcedure)) == 0)
        lumo::ThrowLastError(L"SetWindowLong", kPropertyListSourcePath, __LINE__);
}

void CPropertyListCtrl::CImpl::UpdateTooltip(POINT point)
{
    if (m_tooltip == nullptr || m_manager == nullptr)
        return;
    LRESULT const hit = SendMessageW(m_list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    PropertyRecord const* item = HIWORD(hit) == 0 ? RowItem(LOWORD(hit)) : nullptr;
    int const divider = m_manager->GetSplitterPosition();
    bool const onValue = point.x > divider;
    std::wstring text;
    RECT cell{};
    if (item != nullptr && !(onValue && item->IsCategory()))
    {
        SendMessageW(m_list, LB_GETITEMRECT, LOWORD(hit), reinterpret_cast<LPARAM>(&cell));
        if (onValue)
            cell.left = divider + 3;
        else
            cell.right = item->IsCategory() ? cell.right : divider;
        std::wstring const& shown = onValue ? item->value : item->displayName;
        HFONT const font = lumo::PropertyListFont(onValue ? item->modified : item->IsCategory());
        if (TextWidth(m_list, shown, font) > cell.right - cell.left - 4)
            text = shown;
    }
    TTTOOLINFOW tool = ListTool(m_list);
    if (text.empty())
    {
        m_tipText.clear();
        SendMessageW(m_tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    if (text == m_tipText)
        return;
    m_tipText = text;
    POINT corner{cell.left, cell.top};
    ClientToScreen(m_list, &corner);
    SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tooltip, TTM_TRACKPOSITION, 0, MAKELPARAM(corner.x, corner.y));
    SendMessageW(m_tooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, m_list, 0};
    TrackMouseEvent(&leave);
}

void CPropertyListCtrl::CImpl::HideTooltip()
{
    if (m_tooltip == nullptr)
        return;
    m_tipText.clear();
    TTTOOLINFOW tool = ListTool(m_list);
    SendMessageW(m_tooltip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

bool CPropertyListCtrl::CImpl::SupplyTooltipText(NMHDR* header)
{
    if (header->hwndFrom != m_tooltip || header->code != TTN_GETDISPINFOW)
        return false;
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = const_cast<wchar_t*>(m_tipText.c_str());
    return true;
}
