// The fonts owner-drawn menus measure and draw their items in: the system's menu font as the library
// initialisation copied it, and its bold form for a menu's default item. Made once, on first use, and
// shared by every menu of the process (menus work on the one thread that installed the menu hook).
#pragma once

#include "LumoCtrls/SharedHandle.h"

namespace lumo
{
CFont const& MenuFont(bool bold);
} // namespace lumo
