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

int ProbeUserObjects()
{
    DWORD const self = GetCurrentProcessId();
    int count = 0;
    for (UINT_PTR slot = 0x20; slot < 0x10000; slot += 2)
    {
        HANDLE const handle = reinterpret_cast<HANDLE>(slot);
        if (IsWindow(static_cast<HWND>(handle)))
        {
            DWORD owner = 0;
            GetWindowThreadProcessId(static_cast<HWND>(handle), &owner);
            count += owner == self ? 1 : 0;
        }
        else if (IsMenu(static_cast<HMENU>(handle)))
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
