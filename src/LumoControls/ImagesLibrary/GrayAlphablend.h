// The recolouring behind greyed (disabled) command images: towards grey by one amount, then towards a
// blend colour by another, leaving key-coloured (transparent) pixels alone.
#pragma once

#include "LumoCtrls/Types.h"

#include <cstddef>

namespace lumo
{
struct GrayBlend
{
    int grayAmount;  // 0 (none) to 256 (pure grey)
    int blendAmount; // 0 (none) to 256 (the blend colour alone)
    COLORREF blendColor;
    COLORREF keyColor;
};

// One opaque pixel: its luminance (38 R + 75 G + 15 B) / 128 mixed in by grayAmount / 256, then the blend
// colour by blendAmount / 256, each channel truncated to a byte.
COLORREF GrayAlphablendPixel(COLORREF pixel, GrayBlend const& recolor);

// Every pixel of an image, rows from the top and pixels from the left. When the first (top-left) pixel
// is black, black counts as background and becomes the key colour; pixels of the key colour are left
// as they are. Returns the top-left pixel after processing (0 for an empty image).
COLORREF GrayAlphablendImage(COLORREF* pixels, std::size_t count, GrayBlend const& recolor);
} // namespace lumo
