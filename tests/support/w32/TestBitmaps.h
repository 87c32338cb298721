// Bitmaps with known pixels for tests, and reading pixels back, without going through the code under test.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// The header of a top-down 32-bit DIB section: row 0 first, one DWORD (0x00RRGGBB) per pixel.
BITMAPINFO TopDown32BitInfo(int width, int height);

// A top-down 32-bit DIB section selected into no context, its pixels given by pixelAt(x, y).
HBITMAP CreateTestBitmap(int width, int height, std::function<COLORREF(int x, int y)> const& pixelAt);

// Every pixel of a bitmap (selected into no context), rows from the top.
struct BitmapPixels
{
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(BitmapPixels const& other) const
    {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
};
BitmapPixels ReadBitmapPixels(HBITMAP bitmap);

// An icon of the given size whose opaque pixels are given by pixelAt and whose transparent pixels are where
// transparentAt says so.
HICON CreateTestIcon(int size, std::function<COLORREF(int x, int y)> const& pixelAt,
                     std::function<bool(int x, int y)> const& transparentAt);
