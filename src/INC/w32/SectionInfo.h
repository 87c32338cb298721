// The header of a device-independent section of uncompressed RGB pixels, as the library's bitmap code
// asks for them.
#pragma once

#include <windows.h>

namespace lumo
{
// A positive height lays rows out from the bottom line up (as plain bitmaps are), a negative one from
// the top.
inline BITMAPINFO SectionInfo(int width, int height, WORD bitsPerPixel)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
} // namespace lumo
