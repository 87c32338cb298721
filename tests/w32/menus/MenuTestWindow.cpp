#include "menus/MenuTestWindow.h"

#include <algorithm>

namespace
{
wchar_t const kClass[] = L"LumoMenuTestWindow";

HWND g_recordedWindow = nullptr;
std::vector<UINT> g_recorded;
} // namespace

CMenuTestWindow::CMenuTestWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &CMenuTestWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassW(&windowClass); // fails harmlessly when it already exists
    m_window = CreateWindowExW(0, kClass, L"menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300,
                               nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

CMenuTestWindow::~CMenuTestWindow()
{
    if (IsWindow(m_window))
        DestroyWindow(m_window);
}

int CMenuTestWindow::CountReceived(UINT message) const
{
    return static_cast<int>(std::count(m_received.begin(), m_received.end(), message));
}

LRESULT CALLBACK CMenuTestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<CMenuTestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr)
    {
        self->m_received.push_back(message);
        if (message == self->m_actionMessage && self->m_action)
            self->m_action();
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU)
        {
            if (self->m_probe != nullptr)
                self->m_probe(*self);
            EndMenu();
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

CSentMessageRecorder::CSentMessageRecorder(HWND window)
    : m_hook(SetWindowsHookExW(WH_CALLWNDPROC, &CSentMessageRecorder::Hook, nullptr, GetCurrentThreadId()))
{
    g_recordedWindow = window;
    g_recorded.clear();
}

CSentMessageRecorder::~CSentMessageRecorder()
{
    UnhookWindowsHookEx(m_hook);
    g_recordedWindow = nullptr;
}

int CSentMessageRecorder::Count(UINT message) const
{
    return static_cast<int>(std::count(g_recorded.begin(), g_recorded.end(), message));
}

LRESULT CALLBACK CSentMessageRecorder::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    auto const* sent = reinterpret_cast<CWPSTRUCT const*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_recordedWindow)
        g_recorded.push_back(sent->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

WNDPROC CHostSubclass::s_previous = nullptr;
int CHostSubclass::s_calls = 0;

CHostSubclass::CHostSubclass(HWND window)
{
    s_calls = 0;
    s_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CHostSubclass::Procedure)));
}

LRESULT CALLBACK CHostSubclass::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ++s_calls;
    return CallWindowProcW(s_previous, window, message, wParam, lParam);
}

SentMeasure SendMeasureItem(HWND owner, UINT id, UINT givenHeight, UINT controlType)
{
    SentMeasure sent{{controlType, 0, id, 0, givenHeight, 0}, 0};
    sent.result = SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&sent.item));
    return sent;
}

LRESULT SendDrawItem(HWND owner, HMENU menu, UINT id, UINT state, HDC dc, RECT const& rect)
{
    DRAWITEMSTRUCT draw{ODT_MENU, 0, id, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu), dc, rect, 0};
    return SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}
