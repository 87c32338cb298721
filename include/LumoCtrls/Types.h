// The few value types that the portable parts of the interface share with Win32.
//
// This header never includes a Windows header, so that the portable core can use it. Under Win32 the
// types are spelled exactly as <windows.h> spells them (a repeated typedef of the same type is legal),
// so a host passes its own COLORREF variables, including by reference.
#pragma once

#include <cstdint>

#if defined(_WIN32)
typedef unsigned long COLORREF; // 32 bits on every Windows target, as in <windows.h>
#else
typedef std::uint32_t COLORREF;
#endif

// An HLS value: hue in bits 0-7, lightness in 8-15, saturation in 16-23, each on the scale 0 to 240.
typedef COLORREF HLSVALUE;

namespace lumo
{
// A rectangle of the portable core: right and bottom exclusive, like the platform's RECT.
struct Rect
{
    int left;
    int top;
    int right;
    int bottom;

    // Extents of extreme rectangles (from near the negative end of the range to near the positive end) do
    // not fit an int: they stop at its end.
    constexpr int Width() const { return Clamped(static_cast<std::int64_t>(right) - left); }
    constexpr int Height() const { return Clamped(static_cast<std::int64_t>(bottom) - top); }
    constexpr bool operator==(Rect const& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    constexpr bool operator!=(Rect const& other) const { return !(*this == other); }

    static constexpr int Clamped(std::int64_t value)
    {
        return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : static_cast<int>(value);
    }
};

// An extent of the portable core.
struct Size
{
    int width = 0;
    int height = 0;
};

// A point of the portable core.
struct Point
{
    int x;
    int y;
    constexpr bool operator==(Point const& other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(Point const& other) const { return !(*this == other); }
};

// The transparent key colour of registered images, toolbar strips and image lists: magenta.
constexpr COLORREF kColorKey = 0xFF00FFu;

// The two whole colour values that mean something other than a colour.
constexpr COLORREF kColorNone = 0xFFFFFFFFu;
constexpr COLORREF kColorTransparent = 0xFFFF0001u;
} // namespace lumo
