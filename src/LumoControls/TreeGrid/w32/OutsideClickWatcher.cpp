#include "LumoControls/TreeGrid/w32/OutsideClickWatcher.h"

#include "Kit/KitGuiLib/CriticalSection.h"
#include "Kit/KitGuiLib/CurrentException.h"
#include "LumoControls/TreeGrid/w32/TreeGridControls.h"
#include "LumoControls/TreeGrid/w32/TreeGridView.h"

#include <algorithm>
#include <vector>

namespace
{
struct Popup
{
    HWND window;
    CTreeGrid::CImpl::CControlCore* control;
};

CCriticalSection g_lock;
std::vector<Popup> g_popups; // the most recent last
HHOOK g_hook = nullptr;

bool IsPress(WPARAM message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

bool IsMenu(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpW(name, L"#32768") == 0;
}

// What the press does to the most recent popup.
void Press(Popup const& popup, HWND target, POINT screen)
{
    CTreeGrid::CImpl::CControlCore& control = *popup.control;
    HWND const grid = control.Grid().View().Window().GetHandle();
    bool onOwnCell = false;
    if (target == grid)
    {
        POINT client = screen;
        ScreenToClient(grid, &client);
        lumo::HitResult const hit = control.Grid().View().Layout().HitTest(lumo::Point{client.x, client.y});
        onOwnCell = hit.control == &control.Owner();
    }
    if (target == control.Editor() || onOwnCell)
        control.SetSuppressNextOpen(); // the press must not open it again
    if (target == popup.window || IsChild(popup.window, target) ||
        SendMessageW(popup.window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTCLIENT)
        return;
    SendMessageW(popup.window, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && IsPress(wParam))
    {
        auto const& mouse = *reinterpret_cast<MOUSEHOOKSTRUCT const*>(lParam);
        Popup popup{};
        {
            CLock lock(g_lock);
            if (!g_popups.empty())
                popup = g_popups.back();
        }
        if (popup.window != nullptr && !IsMenu(mouse.hwnd))
        {
            try
            {
                Press(popup, mouse.hwnd, mouse.pt);
            }
            catch (...)
            {
                ReportCurrentException();
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

void lumo::COutsideClickWatcher::Register(HWND popup, CTreeGrid::CImpl::CControlCore& control)
{
    CLock lock(g_lock);
    g_popups.push_back(Popup{popup, &control});
    if (g_hook == nullptr)
        g_hook = SetWindowsHookExW(WH_MOUSE, &MouseHook, nullptr, GetCurrentThreadId());
}

void lumo::COutsideClickWatcher::Unregister(HWND popup)
{
    CLock lock(g_lock);
    g_popups.erase(std::remove_if(g_popups.begin(), g_popups.end(),
                                  [popup](Popup const& p) { return p.window == popup; }),
                   g_popups.end());
    if (g_popups.empty() && g_hook != nullptr)
    {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
}

bool lumo::COutsideClickWatcher::IsWatching()
{
    CLock lock(g_lock);
    return g_hook != nullptr;
}
