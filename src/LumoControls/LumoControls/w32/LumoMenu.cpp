// CLumoMenu and the facade's menu operations.
#include "LumoCtrls/LumoMenu.h"

#include "LumoControls/LumoControls/w32/MenuRegistry.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/LumoControls.h"

namespace
{
lumo::CMenuOwner* Register(HWND window, HMENU menu, bool menuBar)
{
    if (!IsWindow(window) || !IsMenu(menu))
        return nullptr;
    lumo::CMenuOwner& owner = lumo::AttachOwner(window);
    lumo::RegisterMenuObject(owner, menu, menuBar);
    return &owner;
}
} // namespace

CLumoMenu::CLumoMenu(HWND window, HMENU menu, int menuBar) : m_window(nullptr), m_generation(0)
{
    if (lumo::CMenuOwner* const owner = Register(window, menu, menuBar != 0))
    {
        m_window = window;
        m_generation = owner->GetGeneration();
    }
}

CLumoMenu::~CLumoMenu()
{
    lumo::DestroyOwner(lumo::FindOwner(m_window, m_generation));
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
    BOOL const result =
        ::TrackPopupMenu(menu, flags & ~static_cast<UINT>(TPM_NONOTIFY), x, y, 0, window, nullptr);
    // Take back only what this call registered: the window may own a registered menu bar as well.
    if (!ownerExisted)
        lumo::DestroyOwner(owner);
    else if (!menuExisted)
        lumo::UnregisterMenuObject(menu);
    return result;
}
