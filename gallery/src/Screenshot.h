// Capturing a window as it is on screen and saving it as a PNG.
#pragma once

#include <windows.h>

#include <string>

// Copies the whole window (frame included) from its window context and writes it to path with the
// platform imaging library's PNG encoder. False, with a line on standard error, when anything fails.
bool SaveWindowAsPng(HWND window, std::wstring const& path);

namespace gallery
{
// A picture of a window as it is on screen, frame and children included; the caller deletes it.
HBITMAP CaptureWindow(HWND window);
// Draws a picture at (x, y) in its own size; null draws nothing.
void DrawPicture(HDC dc, int x, int y, HBITMAP picture);
} // namespace gallery
