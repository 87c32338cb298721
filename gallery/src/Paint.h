// Small painting helpers of the gallery's own (the gallery is a host: it uses plain GDI for its labels
// and swatches and the library for everything the library offers).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace gallery
{
void FillColor(HDC dc, RECT const& rect, COLORREF color);

// A swatch: the colour with a thin grey frame.
void Swatch(HDC dc, int x, int y, int width, int height, COLORREF color);

// Text in the gallery's label font at (x, y), top-left aligned.
void Label(HDC dc, int x, int y, std::wstring const& text, COLORREF color = RGB(40, 40, 40));

// A bold section heading; returns the y below it.
int Heading(HDC dc, int x, int y, std::wstring const& text);

// "0x00BBGGRR" of a colour value.
std::wstring Hex(COLORREF color);

// Runs paint on a memory context the size of rect, then copies it to dc in one blit.
void PaintBuffered(HDC dc, RECT const& rect, std::function<void(HDC)> const& paint);
} // namespace gallery
