// Unpacking and packing the channels of a colour value (red in the low byte).
#pragma once

#include "LumoCtrls/Types.h"

namespace lumo
{
constexpr int RedOf(COLORREF color)
{
    return static_cast<int>(color & 0xFF);
}
constexpr int GreenOf(COLORREF color)
{
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int BlueOf(COLORREF color)
{
    return static_cast<int>((color >> 16) & 0xFF);
}

// Keeps the low byte of each channel value, so out-of-range results wrap as the formulas expect.
constexpr COLORREF PackColor(int red, int green, int blue)
{
    return (static_cast<COLORREF>(red) & 0xFF) | ((static_cast<COLORREF>(green) & 0xFF) << 8) |
           ((static_cast<COLORREF>(blue) & 0xFF) << 16);
}

// An HLS value packs hue, lightness and saturation in the same byte positions.
constexpr HLSVALUE PackHLS(int hue, int lightness, int saturation)
{
    return PackColor(hue, lightness, saturation);
}
} // namespace lumo
