// CLumoMenu and the facade's menu operations.
#include "LumoCtrls/LumoMenu.h"

#include "LumoControls/LumoControls/w32/MenuRegistry.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/LumoControls.h"

namespace
{
char const kSourcePath[] = "src/LumoControls/LumoControls";

lumo::CMenuOwner* Register(HWND window, HMENU menu, bool menuBar)
{
    if (!IsWindow(window) || !IsMenu(menu))
        return nullptr;
    lumo::CMenuOwner* const owner = lumo::AttachOwner(window);
    if (owner == nullptr)
        CWindowsApiFailed::CreateAndThrow(L"SetProp", GetLastError(), kSourcePath, __LINE__);
    lumo::RegisterMenuObject(*owner, menu, menuBar);
    return owner;
}
} // namespace

CLumoMenu::CLumoMenu(HWND window, HMENU menu, int menuBar) : m_owner(Register(window, menu, menuBar != 0)) {}

CLumoMenu::~CLumoMenu()
{
    lumo::DestroyOwner(static_cast<lumo::CMenuOwner*>(m_owner));
}

void CLumoMenu::Unregister() {}

void* CLumoControls::RegisterMenu(HWND window, HMENU menu, int menuBar)
{
    try
    {
        return Register(window, menu, menuBar != 0);
    }
    catch (CError const& error)
    {
        error.Report();
        return nullptr;
    }
}

BOOL CLumoControls::TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND window)
{
    bool const ownerExisted = lumo::FindOwner(window) != nullptr;
    bool const menuExisted = lumo::FindMenuObject(menu) != nullptr;
    auto* const owner = static_cast<lumo::CMenuOwner*>(RegisterMenu(window, menu, 0));
    if (owner == nullptr)
        return 0;
    lumo::Tracking().waitingPopup = menu;
    // Without notifications the owner would not be asked to measure and draw the items.
    BOOL const result = ::TrackPopupMenu(menu, flags & ~static_cast<UINT>(TPM_NONOTIFY), x, y, 0, window, nullptr);
    // Take back only what this call registered: the window may own a registered menu bar as well.
    if (!ownerExisted)
        lumo::DestroyOwner(owner);
    else if (!menuExisted)
        lumo::UnregisterMenuObject(menu);
    return result;
}
