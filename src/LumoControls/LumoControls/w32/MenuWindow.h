// The pop-up menu windows (class "#32768") of registered menus: a thinner frame, one pixel of black with
// a white gap under the open menu-bar item.
#pragma once

#include <windows.h>

namespace lumo
{
// Subclasses a menu window that is about to show the waiting pop-up menu.
void SubclassMenuWindow(HWND menuWindow, HMENU popup);
bool IsSubclassedMenuWindow(HWND menuWindow);

LRESULT CALLBACK MenuWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
} // namespace lumo
