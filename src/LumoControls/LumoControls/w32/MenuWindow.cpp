#include "LumoControls/LumoControls/w32/MenuWindow.h"

#include "INC/w32/MessageBoundary.h"
#include "INC/w32/WindowSubclass.h"
#include "LumoControls/LumoControls/w32/MenuRegistry.h"
#include "LumoCtrls/ResourceTracker.h"

#include <map>
#include <memory>

namespace
{
wchar_t const kPopupProperty[] = L"PopupMenu";
wchar_t const kDropWidthProperty[] = L"DropW";
constexpr int kFrameSaving = 2; // the default frame is 3 pixels; ours is 1

// The subclassed menu windows. Menu windows live only while a menu is open, so this is empty but for the
// few of an open menu; should the library be unloaded with one open, its destruction gives them back.
std::map<HWND, std::unique_ptr<lumo::CWindowSubclass>> g_subclassed;

lumo::CWindowSubclass const* SubclassOf(HWND window)
{
    auto const it = g_subclassed.find(window);
    return it != g_subclassed.end() ? it->second.get() : nullptr;
}

bool IsFirstLevel(HWND window)
{
    return GetPropW(window, kDropWidthProperty) != nullptr;
}

void RemoveSubclass(HWND window)
{
    auto const it = g_subclassed.find(window);
    if (it == g_subclassed.end())
        return;
    it->second->Remove();
    g_subclassed.erase(it);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    RemovePropW(window, kPopupProperty);
    RemovePropW(window, kDropWidthProperty);
    if (lumo::Tracking().openMenuWindows > 0)
        --lumo::Tracking().openMenuWindows;
}

// A one-pixel black frame inside the window, with a white gap along the top where the open menu-bar
// item joins the menu. The drop width is stored plus one, so that a width of 0 is still a property.
void PaintFrame(HWND window, HDC dc)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    int const width = bounds.right - bounds.left;
    int const height = bounds.bottom - bounds.top;
    CDC frame(dc);
    CBrush black;
    black.CreateSolid(RGB(0, 0, 0));
    frame.FrameRect(RECT{0, 0, width, height}, black);
    int const dropWidth =
        static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(window, kDropWidthProperty))) - 1;
    if (dropWidth > 0)
    {
        CBrush white;
        white.CreateSolid(RGB(255, 255, 255));
        frame.FillRect(RECT{1, 0, dropWidth + 1, 1}, white);
    }
}

// WM_PRINT: the items painted again through their owner, into a bitmap copied onto the target.
void PrintItems(HWND window, HDC target)
{
    auto const menu = static_cast<HMENU>(GetPropW(window, kPopupProperty));
    lumo::CMenuObject const* const object = lumo::FindMenuObject(menu);
    if (object == nullptr)
        return;
    HWND const owner = object->GetOwner().GetWindow();
    RECT bounds;
    GetWindowRect(window, &bounds);
    int const width = bounds.right - bounds.left;
    int const height = bounds.bottom - bounds.top;
    CCompDC memory(target);
    CBitmap bitmap;
    bitmap.Create(width, height, GetDeviceCaps(target, PLANES), GetDeviceCaps(target, BITSPIXEL), nullptr);
    memory.Select(bitmap);
    memory.BitBlt(0, 0, width, height, target, 0, 0, SRCCOPY);
    int const count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
    {
        RECT item;
        if (!GetMenuItemRect(owner, menu, static_cast<UINT>(position), &item))
            continue;
        OffsetRect(&item, -bounds.left, -bounds.top);
        UINT const state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = GetMenuItemID(menu, position);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = ((state & MF_CHECKED) ? ODS_CHECKED : 0) | ((state & MF_GRAYED) ? ODS_GRAYED : 0) |
                         ((state & MF_DISABLED) ? ODS_DISABLED : 0) |
                         ((state & MF_HILITE) ? ODS_SELECTED : 0);
        draw.hwndItem = reinterpret_cast<HWND>(menu);
        draw.hDC = memory;
        draw.rcItem = item;
        int const saved = SaveDC(memory);
        SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        RestoreDC(memory, saved);
    }
    CDC(target).BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
}
} // namespace

void lumo::SubclassMenuWindow(HWND menuWindow, HMENU popup)
{
    auto& entry = g_subclassed[menuWindow];
    entry = std::make_unique<CWindowSubclass>(menuWindow, &MenuWindowProcedure);
    SetWindowLongPtrW(menuWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(entry->GetPrevious()));
    SetPropW(menuWindow, kPopupProperty, popup);
    MenuTracking& tracking = Tracking();
    if (++tracking.openMenuWindows == 1)
        SetPropW(menuWindow, kDropWidthProperty,
                 reinterpret_cast<HANDLE>(static_cast<INT_PTR>(tracking.dropWidth + 1)));
    tracking.waitingPopup = nullptr;
}

bool lumo::IsSubclassedMenuWindow(HWND menuWindow)
{
    return SubclassOf(menuWindow) != nullptr;
}

namespace
{
LRESULT OnMenuWindowMessage(HWND window, WNDPROC previous, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto forward = [&] { return CallWindowProcW(previous, window, message, wParam, lParam); };
    switch (message)
    {
    case WM_NCCALCSIZE:
    {
        LRESULT const result = forward();
        if (lParam != 0)
            InflateRect(reinterpret_cast<RECT*>(lParam), kFrameSaving, kFrameSaving);
        return result;
    }
    case WM_WINDOWPOSCHANGING:
    {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if ((position->flags & SWP_NOSIZE) == 0)
        {
            position->cx -= 2 * kFrameSaving;
            position->cy -= 2 * kFrameSaving;
        }
        if ((position->flags & SWP_NOMOVE) == 0)
        {
            if (IsFirstLevel(window))
                position->y -= 1; // onto the menu bar's bottom line, under the open item
            else
                position->x -= 2;
        }
        UINT const flags = position->flags;
        LRESULT const result = forward();
        if ((flags & SWP_HIDEWINDOW) != 0)
            RemoveSubclass(window);
        return result;
    }
    case WM_NCPAINT:
    {
        LRESULT const result = forward();
        if (GetPropW(window, kPopupProperty) != nullptr)
        {
            CWindowDC dc(window);
            PaintFrame(window, dc);
        }
        return result;
    }
    case WM_PRINT:
    {
        LRESULT const result = forward();
        if ((lParam & PRF_CHECKVISIBLE) != 0 || GetPropW(window, kPopupProperty) == nullptr)
            return result;
        try
        {
            PrintItems(window, reinterpret_cast<HDC>(wParam));
            PaintFrame(window, reinterpret_cast<HDC>(wParam));
        }
        catch (...)
        {
            // A print that cannot be completed keeps what the default procedure drew.
        }
        return result;
    }
    case WM_SHOWWINDOW:
    {
        LRESULT const result = forward();
        if (wParam == FALSE)
            RemoveSubclass(window);
        return result;
    }
    case WM_NCDESTROY:
        RemoveSubclass(window);
        return forward();
    default:
        return forward();
    }
}
} // namespace

LRESULT CALLBACK lumo::MenuWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWindowSubclass const* const subclass = SubclassOf(window);
    if (subclass == nullptr) // not one of ours: nothing to do but pass it on
        return DefWindowProcW(window, message, wParam, lParam);
    WNDPROC const previous = subclass->GetPrevious(); // the subclass may go while the message is handled
    return DispatchGuarded(
        window, message, wParam, lParam,
        [&] { return OnMenuWindowMessage(window, previous, message, wParam, lParam); }, previous);
}
