// The platform answers of the tree grid's styles: system colours, the screen's resolution, the colour
// state and the font all tree grids share.
#pragma once

#include "LumoControls/TreeGrid/StylePlatform.h"
#include "LumoCtrls/SharedHandle.h"

namespace lumo
{
IStylePlatform const& Win32StylePlatform();

// The "Tahoma" font of every tree grid, made once under a process-wide lock.
CFont const& SharedTreeGridFont();
} // namespace lumo
