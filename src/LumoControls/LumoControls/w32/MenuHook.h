// The thread hook through which the owner-drawn menus see the messages of the menu windows of the thread
// that initialised the library.
#pragma once

#include <windows.h>

namespace lumo
{
LRESULT CALLBACK MenuHookProcedure(int code, WPARAM wParam, LPARAM lParam);
} // namespace lumo
