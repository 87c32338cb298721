// Pixel scans of the image object, on plain 32-bit ARGB buffers (alpha in the top byte, then red, green,
// blue), so that they are the same code whatever decoded the image.
#pragma once

#include "LumoCtrls/Types.h"

#include <cstddef>
#include <cstdint>

namespace lumo
{
// A view of pixels in rows; stride is in pixels and may exceed the width.
struct ArgbPixels
{
    std::uint32_t* pixels;
    int width;
    int height;
    int stride;

    std::uint32_t& At(int x, int y) const { return pixels[static_cast<std::ptrdiff_t>(y) * stride + x]; }
};

// The opaque pixel of a colour value, and a pixel's colour value with its alpha dropped.
constexpr std::uint32_t OpaqueArgb(COLORREF color)
{
    return 0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}
constexpr COLORREF ColorOfArgb(std::uint32_t argb)
{
    return (argb >> 16 & 0xFF) | (argb & 0xFF00) | (argb & 0xFF) << 16;
}

// Every pixel equal to the opaque pixel of oldColor becomes the opaque pixel of newColor; pixels that
// are not fully opaque never match. Returns how many changed.
std::size_t ReplaceOpaqueColor(ArgbPixels const& image, COLORREF oldColor, COLORREF newColor);

// Whether some pixel has alpha below 255.
bool HasTranslucentPixel(ArgbPixels const& image);

// Whether every pixel has alpha 0.
bool IsFullyTransparent(ArgbPixels const& image);

// The smallest rectangle holding every pixel with non-zero alpha (empty when there is none), found as
// the image object's CropEmpty looks for it: left by columns, top by rows from there, then the width
// and height shrunk from the right and bottom edges.
Rect OpaqueBounds(ArgbPixels const& image);
} // namespace lumo
