#include "LumoControls/LumoControls/w32/MenuHook.h"

// The menu windows that this hook will subclass arrive with the owner-drawn menus; until then every
// message passes on unchanged.
LRESULT CALLBACK lumo::MenuHookProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
