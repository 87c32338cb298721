// Checked window calls of CWnd.
#include "LumoCtrls/ResourceTracker.h"

#include "INC/w32/PlatformFailure.h"

using lumo::ThrowTrackerFailure;

std::wstring CWnd::GetClassNameW() const
{
    wchar_t name[256];
    int const length = ::GetClassNameW(m_window, name, 256);
    if (length == 0)
        ThrowTrackerFailure(L"GetClassName", 1056);
    return std::wstring(name, static_cast<std::size_t>(length));
}

void CWnd::CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style, int x, int y,
                           int width, int height, HWND parent, HMENU menu, HINSTANCE module, void* parameter)
{
    HWND const window = ::CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                                          module, parameter);
    if (window == nullptr)
        ThrowTrackerFailure(L"CreateWindowEx", 1084);
    m_window = window;
}

void CWnd::DestroyWindow()
{
    if (!::DestroyWindow(m_window))
        ThrowTrackerFailure(L"DestroyWindow", 1098);
    m_window = nullptr;
}

RECT CWnd::GetClientRect() const
{
    RECT rect{};
    if (!::GetClientRect(m_window, &rect))
        ThrowTrackerFailure(L"GetClientRect", 1205);
    return rect;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect{};
    if (!::GetWindowRect(m_window, &rect))
        ThrowTrackerFailure(L"GetWindowRect", 1216);
    return rect;
}

WINDOWPLACEMENT CWnd::GetWindowPlacement() const
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(m_window, &placement))
        ThrowTrackerFailure(L"GetWindowPlacement", 1230);
    return placement;
}

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    if (!::MoveWindow(m_window, x, y, width, height, repaint ? TRUE : FALSE))
        ThrowTrackerFailure(L"MoveWindow", 1312);
}

void CWnd::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags)
{
    if (!::SetWindowPos(m_window, insertAfter, x, y, width, height, flags))
        ThrowTrackerFailure(L"SetWindowPos", 1327);
}

void CWnd::RedrawWindow(RECT const* rect, HRGN region, UINT flags)
{
    if (!::RedrawWindow(m_window, rect, region, flags))
        ThrowTrackerFailure(L"RedrawWindow", 1478);
}

void CWnd::SetWindowTextW(std::wstring const& text)
{
    if (!::SetWindowTextW(m_window, text.c_str()))
        ThrowTrackerFailure(L"SetWindowText", 1530);
}
