#include "w32/GuiObjectCounter.h"

#include <windows.h>

namespace
{
int ProbeGdiObjects()
{
    int count = 0;
    for (UINT_PTR slot = 1; slot < 0x10000; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0)
            ++count;
    return count;
}

// Windows are counted by walking the window tree (asking about every slot would cost a server round trip
// each); the other USER objects (menus, accelerator tables, icons and cursors) are looked up slot by slot,
// which the platform answers from the process's own table.
BOOL CALLBACK CountOwnWindow(HWND window, LPARAM counter)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == GetCurrentProcessId())
        ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK CountOwnWindowAndChildren(HWND window, LPARAM counter)
{
    CountOwnWindow(window, counter);
    EnumChildWindows(window, &CountOwnWindow, counter);
    return TRUE;
}

int CountOwnWindows()
{
    int count = 0;
    EnumWindows(&CountOwnWindowAndChildren, reinterpret_cast<LPARAM>(&count));
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
        CountOwnWindowAndChildren(window, reinterpret_cast<LPARAM>(&count));
    return count;
}

int ProbeUserObjects()
{
    int count = CountOwnWindows();
    for (UINT_PTR slot = 0x20; slot < 0x10000; slot += 2)
    {
        HANDLE const handle = reinterpret_cast<HANDLE>(slot);
        if (IsMenu(static_cast<HMENU>(handle)))
            ++count;
        else if (CopyAcceleratorTableW(static_cast<HACCEL>(handle), nullptr, 0) > 0)
            ++count;
        else
        {
            ICONINFO info{};
            if (GetIconInfo(static_cast<HICON>(handle), &info))
            {
                // GetIconInfo hands out copies of the icon's bitmaps; they are not part of the count.
                if (info.hbmMask != nullptr)
                    DeleteObject(info.hbmMask);
                if (info.hbmColor != nullptr)
                    DeleteObject(info.hbmColor);
                ++count;
            }
        }
    }
    return count;
}
} // namespace

GuiObjectCounts CountGuiObjects()
{
    HANDLE const process = GetCurrentProcess();
    int const gdi = static_cast<int>(GetGuiResources(process, GR_GDIOBJECTS));
    int const user = static_cast<int>(GetGuiResources(process, GR_USEROBJECTS));
    if (gdi != 0 || user != 0)
        return {gdi, user};
    return {ProbeGdiObjects(), ProbeUserObjects()};
}
