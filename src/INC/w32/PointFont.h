// A font described by its face and its size in points on the screen, as the controls' shared fonts are.
#pragma once

#include <windows.h>

namespace lumo
{
// The description of face at points on the screen's vertical resolution, default character set.
LOGFONTW PointFontDescription(wchar_t const* face, int points, int weight, BYTE pitchAndFamily);
} // namespace lumo
