// Process-wide state that the library initialisation writes and the controls read.
#pragma once

#include <windows.h>

namespace lumo
{
// The system's menu font as it was when the library was initialised; the owner-drawn menus build their
// font from it.
LOGFONTW& MenuFontDescription();

// The thread message hook of the owner-drawn menus; null when none is installed.
HHOOK& MenuHookHandle();

// Undoes what the initialisation left behind; runs once when the process unloads the library, whether or
// not it was ever initialised.
void RunLibraryTeardown();
} // namespace lumo
