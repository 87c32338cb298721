#include "LumoControls/LumoControls/w32/MenuHook.h"

#include "Kit/KitGuiLib/CurrentException.h"
#include "LumoControls/LumoControls/w32/MenuRegistry.h"
#include "LumoControls/LumoControls/w32/MenuWindow.h"
#include "LumoControls/LumoControls/w32/OsFamily.h"

namespace
{
// Sent to a menu window as it is created, on the NT family.
constexpr UINT kMenuWindowCreated = 0x1E2;

bool IsMenuWindow(HWND window)
{
    wchar_t name[16];
    return GetClassNameW(window, name, 16) > 0 && lstrcmpW(name, L"#32768") == 0;
}

void Watch(CWPSTRUCT const& sent)
{
    lumo::MenuTracking& tracking = lumo::Tracking();
    switch (sent.message)
    {
    case WM_INITMENUPOPUP:
        if (HIWORD(sent.lParam) == 0) // not the system menu
        {
            auto const menu = reinterpret_cast<HMENU>(sent.wParam);
            tracking.current = lumo::FindMenuObject(menu);
            tracking.waitingPopup = menu;
        }
        break;
    case kMenuWindowCreated:
        if (tracking.waitingPopup != nullptr && IsMenuWindow(sent.hwnd) && lumo::IsNtFamily() &&
            GetPropW(sent.hwnd, L"PopupMenu") == nullptr && !lumo::IsSubclassedMenuWindow(sent.hwnd))
            lumo::SubclassMenuWindow(sent.hwnd, tracking.waitingPopup);
        break;
    case WM_NCDESTROY:
        if (lumo::CMenuOwner* const owner = lumo::FindOwner(sent.hwnd))
            lumo::DestroyOwner(owner);
        break;
    default:
        break;
    }
}
} // namespace

LRESULT CALLBACK lumo::MenuHookProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION)
    {
        try
        {
            Watch(*reinterpret_cast<CWPSTRUCT const*>(lParam));
        }
        catch (...)
        {
            // The hook sees every message of the thread: nothing may escape into the platform from here.
            ReportCurrentException();
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
