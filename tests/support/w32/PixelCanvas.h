// A memory device context over a 32-bit top-down DIB section, for tests that draw and then read pixels
// back exactly (no GetPixel round trip through a device-dependent bitmap).
#pragma once

#include <windows.h>

class PixelCanvas
{
public:
    PixelCanvas(int width, int height, COLORREF fill = RGB(0, 0, 0));
    ~PixelCanvas();
    PixelCanvas(PixelCanvas const&) = delete;
    PixelCanvas& operator=(PixelCanvas const&) = delete;

    HDC GetDC() const { return m_dc; }
    HBITMAP GetBitmap() const { return m_bitmap; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

    // The pixel as a colour value (red in the low byte). Coordinates outside the canvas are a test bug.
    COLORREF At(int x, int y) const;
    void Set(int x, int y, COLORREF color);
    void Fill(COLORREF color);

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
    DWORD* m_bits = nullptr;
};
