// How visual states map to paint-style slots, and which state a state falls back to.
#pragma once

#include "LumoControls/TreeGrid/StyleTypes.h"

namespace lumo
{
// First match wins: ALL, DISABLE, FOCUS, PUSH, hover and select together, SELECT, HOVER, else NORMAL.
PaintSlot SlotOf(VisualState state);

// The state whose look a state borrows when it has none of its own: NORMAL for DISABLE and ALL, the
// state less FOCUS, less PUSH, less HOVER of hover-and-select, else NORMAL.
VisualState FallbackOf(VisualState state);

// "NORMAL", "SELECT", "HOVER", "HISELECT", "DISABLE", "PUSH", "FOCUS", "ALL".
wchar_t const* SlotName(PaintSlot slot);
} // namespace lumo
