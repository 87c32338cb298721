#include "LumoControls/LumoImage/ImageLayout.h"

#include <cstdint>

lumo::Rect lumo::StretchedPlacement(int imageWidth, int imageHeight, int targetWidth, int targetHeight)
{
    if (imageWidth <= 0 || imageHeight <= 0)
        return Rect{0, 0, 0, 0};
    // The axis with the smaller scale fills the target exactly; the other is scaled by the same ratio,
    // in integers so that no rounding of the scale takes a pixel off the filled axis.
    std::int64_t width = targetWidth;
    std::int64_t height = targetHeight;
    if (std::int64_t{targetWidth} * imageHeight <= std::int64_t{targetHeight} * imageWidth)
        height = std::int64_t{imageHeight} * targetWidth / imageWidth;
    else
        width = std::int64_t{imageWidth} * targetHeight / imageHeight;
    int const left = static_cast<int>((targetWidth - width) / 2);
    int const top = static_cast<int>((targetHeight - height) / 2);
    return Rect{left, top, left + static_cast<int>(width), top + static_cast<int>(height)};
}

lumo::Placement lumo::NaturalPlacement(int imageWidth, int imageHeight, int targetWidth, int targetHeight)
{
    Placement placement{};
    auto place = [](int image, int target, int& sourceStart, int& sourceEnd, int& targetStart, int& targetEnd)
    {
        if (image <= target)
        {
            sourceStart = 0;
            sourceEnd = image;
            targetStart = (target - image) / 2;
            targetEnd = targetStart + image;
        }
        else
        {
            sourceStart = 0;
            sourceEnd = target;
            targetStart = 0;
            targetEnd = target;
        }
    };
    place(imageWidth, targetWidth, placement.source.left, placement.source.right, placement.target.left,
          placement.target.right);
    place(imageHeight, targetHeight, placement.source.top, placement.source.bottom, placement.target.top,
          placement.target.bottom);
    return placement;
}

std::vector<lumo::Rect> lumo::AttentionRectangles(int width, int height, Rect const& r)
{
    return {Rect{0, 0, width, r.top}, Rect{0, r.top, r.left, r.bottom}, Rect{r.right, r.top, width, r.bottom},
            Rect{0, r.bottom, width, height}};
}

std::vector<int> lumo::ComposedOffsets(std::vector<int> const& widths)
{
    std::vector<int> offsets;
    int x = 0;
    for (int width : widths)
    {
        offsets.push_back(x);
        x += width;
    }
    return offsets;
}
