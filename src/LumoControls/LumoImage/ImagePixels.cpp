#include "LumoControls/LumoImage/ImagePixels.h"

namespace
{
bool Visible(std::uint32_t argb)
{
    return (argb >> 24) != 0;
}
} // namespace

std::size_t lumo::ReplaceOpaqueColor(ArgbPixels const& image, COLORREF oldColor, COLORREF newColor)
{
    std::uint32_t const from = OpaqueArgb(oldColor);
    std::uint32_t const to = OpaqueArgb(newColor);
    std::size_t changed = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y) == from)
            {
                image.At(x, y) = to;
                ++changed;
            }
    return changed;
}

bool lumo::HasTranslucentPixel(ArgbPixels const& image)
{
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if ((image.At(x, y) >> 24) < 0xFF)
                return true;
    return false;
}

bool lumo::IsFullyTransparent(ArgbPixels const& image)
{
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (Visible(image.At(x, y)))
                return false;
    return true;
}

lumo::Rect lumo::OpaqueBounds(ArgbPixels const& image)
{
    int left = 0;
    for (; left < image.width; ++left)
    {
        bool found = false;
        for (int y = 0; y < image.height && !found; ++y)
            found = Visible(image.At(left, y));
        if (found)
            break;
    }
    if (left == image.width)
        return Rect{0, 0, 0, 0};

    int top = 0;
    for (; top < image.height; ++top)
    {
        bool found = false;
        for (int x = left; x < image.width && !found; ++x)
            found = Visible(image.At(x, top));
        if (found)
            break;
    }

    int width = image.width - left;
    for (int x = image.width - 1; x >= left; --x, --width)
    {
        bool found = false;
        for (int y = top; y < image.height && !found; ++y)
            found = Visible(image.At(x, y));
        if (found)
            break;
    }

    int height = image.height - top;
    for (int y = image.height - 1; y >= top; --y, --height)
    {
        bool found = false;
        for (int x = left; x < left + width && !found; ++x)
            found = Visible(image.At(x, y));
        if (found)
            break;
    }
    return Rect{left, top, left + width, top + height};
}
