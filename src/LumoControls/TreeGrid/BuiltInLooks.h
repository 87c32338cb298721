// The built-in looks of the default styles: what look Standard and look Theme set on each object type's
// default style when it is created.
#pragma once

#include "LumoControls/TreeGrid/StylePlatform.h"
#include "LumoControls/TreeGrid/StyleRegistry.h"

namespace lumo
{
void ApplyBuiltInLook(DrawStyle& style, ObjectType type, VisualLook look, IStylePlatform const& platform);
} // namespace lumo
