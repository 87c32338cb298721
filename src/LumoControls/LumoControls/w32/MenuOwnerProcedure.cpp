// The owner subclass: answers the measuring and drawing messages of registered menu items and keeps the
// menus' colours in step with the system's.
#include "LumoControls/LumoControls/w32/MenuOwnerProcedure.h"

#include "INC/w32/MessageBoundary.h"
#include "LumoControls/LumoControls/w32/MenuCanvas.h"
#include "LumoControls/LumoControls/w32/MenuRegistry.h"
#include "LumoCtrls/DrawTools.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/LumoControls.h"

namespace
{
char const kSourcePath[] = "src/LumoControls/LumoControls";

// The item a WM_MEASUREITEM is about: the message names only the command, so the menu whose pop-up was
// last initialised is asked first, then the owner's menus, its menu bar first.
std::pair<lumo::CMenuObject*, lumo::CMenuItem const*> FindItemToMeasure(lumo::CMenuOwner const& owner,
                                                                        UINT id)
{
    lumo::CMenuObject* const current = lumo::Tracking().current;
    if (current != nullptr && &current->GetOwner() == &owner)
        if (lumo::CMenuItem const* item = current->FindItem(id))
            return {current, item};
    for (lumo::CMenuObject* object : lumo::MenuObjectsOf(owner))
        if (lumo::CMenuItem const* item = object->FindItem(id))
            return {object, item};
    return {nullptr, nullptr};
}

bool OnMeasureItem(lumo::CMenuOwner const& owner, MEASUREITEMSTRUCT& measure)
{
    if (measure.CtlType != ODT_MENU)
        return false;
    auto const found = FindItemToMeasure(owner, measure.itemID);
    if (found.second == nullptr)
        return false;
    lumo::CMenuObject const& menu = *found.first;
    lumo::CMenuItem const& item = *found.second;
    lumo::MenuItemSize const given{static_cast<int>(measure.itemWidth), static_cast<int>(measure.itemHeight)};
    lumo::MenuItemSize const size =
        menu.IsMenuBar() ? lumo::MeasureMenuBarItem(item.textWidth, given)
                         : lumo::MeasurePopupItem(item.separator, menu.GetTextWidth(), menu.GetImageWidth(),
                                                  menu.GetImageHeight(), given);
    measure.itemWidth = static_cast<UINT>(size.width);
    measure.itemHeight = static_cast<UINT>(size.height);
    return true;
}

lumo::MenuShadow CurrentShadow()
{
    BOOL dropShadow = FALSE;
    if (!SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &dropShadow, 0))
        CWindowsApiFailed::CreateAndThrow(L"SystemParametersInfo", GetLastError(), kSourcePath, __LINE__);
    if (!dropShadow)
        return lumo::MenuShadow::None;
    return GetScreenColorCount() <= 256 ? lumo::MenuShadow::Solid : lumo::MenuShadow::Darkened;
}

bool OnDrawItem(DRAWITEMSTRUCT const& draw)
{
    if (draw.CtlType != ODT_MENU)
        return false;
    lumo::CMenuObject* const menu = lumo::FindMenuObject(reinterpret_cast<HMENU>(draw.hwndItem));
    lumo::CMenuItem const* const item = menu != nullptr ? menu->FindItem(draw.itemID) : nullptr;
    if (item == nullptr)
        return false;

    lumo::MenuItemState state;
    state.selected = (draw.itemState & ODS_SELECTED) != 0;
    state.grayed = (draw.itemState & ODS_GRAYED) != 0;
    state.disabled = (draw.itemState & ODS_DISABLED) != 0;
    state.checked = (draw.itemState & ODS_CHECKED) != 0;
    state.hot = (draw.itemState & ODS_HOTLIGHT) != 0;
    state.inactive = (draw.itemState & ODS_INACTIVE) != 0;
    lumo::Rect painted = lumo::FromRECT(draw.rcItem);
    {
        lumo::CMenuCanvas canvas(draw.hDC, item->identifier, item->isDefault);
        lumo::MenuPalette const palette = lumo::CurrentMenuPalette();
        if (menu->IsMenuBar())
        {
            lumo::MenuBarItemResult const result =
                lumo::PaintMenuBarItem(canvas, painted, item->text, state, palette, CurrentShadow());
            painted = result.painted;
            lumo::Tracking().dropWidth = result.dropWidth;
        }
        else
        {
            lumo::PopupItem popup;
            popup.text = item->text;
            popup.separator = item->separator;
            popup.radio = item->radio;
            int width = 0, height = 0;
            CLumoControls::GetImageSize(item->identifier, width, height);
            popup.hasImage = width > 0 && !item->separator;
            popup.opensSubmenu = item->submenu != nullptr;
            lumo::PaintPopupItem(canvas, painted, popup, state, menu->GetImageWidth(), menu->GetImageHeight(),
                                 palette);
        }
    }
    // Nothing the platform draws afterwards (its own sub-menu arrow, say) may cover the item.
    ExcludeClipRect(draw.hDC, painted.left, painted.top, painted.right, painted.bottom);
    return true;
}

// After the owner's own procedure has seen the change, which may have replaced the window's menus or
// their registration: everything is looked up again rather than taken from before.
void OnSettingChange(HWND window, WPARAM wParam)
{
    lumo::Tracking().current = nullptr;
    if (wParam != 0 || lumo::FindOwner(window) == nullptr)
        return;
    if (lumo::CMenuObject* const menuBar = lumo::FindMenuObject(GetMenu(window)))
        if (menuBar->IsMenuBar())
            menuBar->ApplyBackground();
}
} // namespace

LRESULT CALLBACK lumo::MenuOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CMenuOwner* const owner = FindOwner(window);
    if (owner == nullptr) // the subclass is being taken down: nothing of ours is left to answer
        return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC const previous = owner->GetPrevious();
    auto forward = [&] { return CallWindowProcW(previous, window, message, wParam, lParam); };
    return DispatchGuarded(
        window, message, wParam, lParam,
        [&]() -> LRESULT
        {
            switch (message)
            {
            case WM_MEASUREITEM:
                return OnMeasureItem(*owner, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)) ? TRUE
                                                                                            : forward();
            case WM_DRAWITEM:
                return OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT const*>(lParam)) ? TRUE : forward();
            case WM_SETTINGCHANGE:
            {
                RefreshColors();
                LRESULT const result = forward();
                OnSettingChange(window, wParam);
                return result;
            }
            case WM_NCCALCSIZE:
                Tracking().current = nullptr;
                return forward();
            default:
                return forward();
            }
        },
        previous);
}
