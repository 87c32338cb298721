// Capturing a window as it is on screen and saving it as a PNG.
#pragma once

#include <windows.h>

#include <string>

// Copies the whole window (frame included) from its window context and writes it to path with the
// platform imaging library's PNG encoder. False, with a line on standard error, when anything fails.
bool SaveWindowAsPng(HWND window, std::wstring const& path);
