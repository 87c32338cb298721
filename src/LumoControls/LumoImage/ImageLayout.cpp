#include "LumoControls/LumoImage/ImageLayout.h"

lumo::Rect lumo::StretchedPlacement(int imageWidth, int imageHeight, int targetWidth, int targetHeight)
{
    if (imageWidth <= 0 || imageHeight <= 0)
        return Rect{0, 0, 0, 0};
    double const scaleX = static_cast<double>(targetWidth) / imageWidth;
    double const scaleY = static_cast<double>(targetHeight) / imageHeight;
    double const scale = scaleX < scaleY ? scaleX : scaleY;
    int const width = static_cast<int>(imageWidth * scale);
    int const height = static_cast<int>(imageHeight * scale);
    int const left = (targetWidth - width) / 2;
    int const top = (targetHeight - height) / 2;
    return Rect{left, top, left + width, top + height};
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
