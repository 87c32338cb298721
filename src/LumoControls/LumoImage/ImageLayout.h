// Where the image object puts an image inside a target bitmap, and the shapes of the attention overlay
// and the composed strip.
#pragma once

#include "LumoCtrls/Types.h"

#include <vector>

namespace lumo
{
// FillAndStretchBitmap: the image scaled by the smaller of the two ratios, centred along the other axis
// (offset half the difference, truncated).
Rect StretchedPlacement(int imageWidth, int imageHeight, int targetWidth, int targetHeight);

// FillBitmap: the image at natural size, centred where it is smaller than the target and cut where it is
// larger. `source` is the part of the image drawn, `target` where it lands.
struct Placement
{
    Rect source;
    Rect target;
};
Placement NaturalPlacement(int imageWidth, int imageHeight, int targetWidth, int targetHeight);

// The four rectangles around r that DrawAttentionToRectangleInImage covers: above, left, right, below.
std::vector<Rect> AttentionRectangles(int width, int height, Rect const& r);

// The left edge of each item of a composed strip, laid side by side from x = 0.
std::vector<int> ComposedOffsets(std::vector<int> const& widths);
} // namespace lumo
