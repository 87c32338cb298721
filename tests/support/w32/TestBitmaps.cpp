#include "w32/TestBitmaps.h"

BITMAPINFO TopDown32BitInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP CreateTestBitmap(int width, int height, std::function<COLORREF(int, int)> const& pixelAt)
{
    BITMAPINFO info = TopDown32BitInfo(width, height);
    void* bits = nullptr;
    HBITMAP const bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            COLORREF const c = pixelAt(x, y);
            pixels[y * width + x] = static_cast<DWORD>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    return bitmap;
}

BitmapPixels ReadBitmapPixels(HBITMAP bitmap)
{
    BITMAP description{};
    GetObjectW(bitmap, sizeof(description), &description);
    int const width = description.bmWidth;
    int const height = description.bmHeight;
    BITMAPINFO info = TopDown32BitInfo(width, height);
    std::vector<DWORD> raw(static_cast<std::size_t>(width * height));
    HDC const screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), raw.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    BitmapPixels read{width, height, std::vector<COLORREF>(raw.size())};
    for (std::size_t i = 0; i < raw.size(); ++i)
        read.pixels[i] = RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF);
    return read;
}

HICON CreateTestIcon(int size, std::function<COLORREF(int, int)> const& pixelAt,
                     std::function<bool(int, int)> const& transparentAt)
{
    // Colour: the pixel where opaque, black where transparent (the classic AND/XOR icon).
    HBITMAP const color = CreateTestBitmap(
        size, size, [&](int x, int y) { return transparentAt(x, y) ? RGB(0, 0, 0) : pixelAt(x, y); });
    std::vector<BYTE> maskBits(static_cast<std::size_t>(((size + 15) / 16) * 2 * size), 0);
    int const stride = ((size + 15) / 16) * 2;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (transparentAt(x, y))
                maskBits[static_cast<std::size_t>(y * stride + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
    HBITMAP const mask = CreateBitmap(size, size, 1, 1, maskBits.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = color;
    HICON const icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(color);
    return icon;
}
