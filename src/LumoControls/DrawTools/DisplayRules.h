// Small rules of the drawing tools that turn platform answers into results.
#pragma once

namespace lumo
{
// GetCountOfColors: 0 for fewer than two bytes per pixel (a palette display), otherwise 3.
constexpr int CountOfColorsForDepth(int bitsPerPixel, int planes)
{
    return bitsPerPixel * planes / 8 < 2 ? 0 : 3;
}

// The (negative) LOGFONTW height of a size in points at the given vertical resolution.
int FontHeightForPoints(unsigned points, int pixelsPerInch);
} // namespace lumo
