// The window procedure that a menu owner's subclass puts in front of the owner's own.
#pragma once

#include <windows.h>

namespace lumo
{
LRESULT CALLBACK MenuOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
} // namespace lumo
