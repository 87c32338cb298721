#include "w32/PixelCanvas.h"

#include "w32/TestBitmaps.h"

#include <cstdlib>
#include <stdexcept>

PixelCanvas::PixelCanvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    BITMAPINFO info = TopDown32BitInfo(width, height);
    void* bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_dc == nullptr || m_bitmap == nullptr)
        throw std::runtime_error("PixelCanvas: no memory context or DIB section");
    m_bits = static_cast<DWORD*>(bits);
    m_previousBitmap = SelectObject(m_dc, m_bitmap);
    Fill(fill);
}

PixelCanvas::~PixelCanvas()
{
    SelectObject(m_dc, m_previousBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

COLORREF PixelCanvas::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        std::abort();
    GdiFlush();
    DWORD const bgra = m_bits[y * m_width + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

void PixelCanvas::Set(int x, int y, COLORREF color)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        std::abort();
    GdiFlush();
    m_bits[y * m_width + x] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

void PixelCanvas::Fill(COLORREF color)
{
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            Set(x, y, color);
}
