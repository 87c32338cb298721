// The bitmap operations the registry is built on: grey-and-blend recolouring, the greyed copy and the
// mask of the key colour.
#include "LumoCtrls/LibraryImages.h"

#include "LumoControls/ImagesLibrary/GrayAlphablend.h"
#include "INC/w32/SectionInfo.h"

#include <vector>

namespace
{
// Rows from the top, as the recolouring walks them.
BITMAPINFO TopDown32BitInfo(int width, int height)
{
    return lumo::SectionInfo(width, -height, 32);
}

COLORREF FromBgra(DWORD bgra)
{
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

DWORD ToBgra(COLORREF color)
{
    return static_cast<DWORD>(GetRValue(color)) << 16 | static_cast<DWORD>(GetGValue(color)) << 8 |
           GetBValue(color);
}
} // namespace

COLORREF C_LibraryImages_MakeGrayAlphablend(HBITMAP bitmap, int grayAmount, int blendAmount,
                                            COLORREF blendColor, COLORREF key)
{
    BITMAP description{};
    if (GetObjectW(bitmap, sizeof(description), &description) == 0 || description.bmWidth <= 0 ||
        description.bmHeight <= 0)
        return 0;
    int const width = description.bmWidth;
    int const height = description.bmHeight;

    // The pixels are read and written in one piece rather than by GetPixel/SetPixel: the same colours,
    // without a platform call per pixel.
    BITMAPINFO info = TopDown32BitInfo(width, height);
    std::vector<DWORD> raw(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    CScreenDC const screen;
    bool const read =
        GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), raw.data(), &info, DIB_RGB_COLORS) != 0;
    COLORREF topLeft = 0;
    if (read)
    {
        std::vector<COLORREF> pixels(raw.size());
        for (std::size_t i = 0; i < raw.size(); ++i)
            pixels[i] = FromBgra(raw[i]);
        topLeft = lumo::GrayAlphablendImage(pixels.data(), pixels.size(),
                                            lumo::GrayBlend{grayAmount, blendAmount, blendColor, key});
        for (std::size_t i = 0; i < raw.size(); ++i)
            raw[i] = ToBgra(pixels[i]);
        info = TopDown32BitInfo(width, height);
        SetDIBits(screen, bitmap, 0, static_cast<UINT>(height), raw.data(), &info, DIB_RGB_COLORS);
    }
    return topLeft;
}

HBITMAP CLibraryImages::CreateGrayBitmap(HBITMAP bitmap, COLORREF key)
{
    auto const copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    if (copy == nullptr)
        return nullptr;
    C_LibraryImages_MakeGrayAlphablend(copy, 256, 102, RGB(255, 255, 255), key);
    return copy;
}

HBITMAP CLibraryImages::CreateBitmapMask(HBITMAP bitmap, COLORREF key)
{
    BITMAP description{};
    if (GetObjectW(bitmap, sizeof(description), &description) == 0)
        return nullptr;
    HBITMAP const mask = CreateBitmap(description.bmWidth, description.bmHeight, 1, 1, nullptr);
    if (mask == nullptr)
        return nullptr;
    HDC const sourceDc = CreateCompatibleDC(nullptr);
    HDC const maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ const previousSource = SelectObject(sourceDc, bitmap);
    HGDIOBJ const previousMask = SelectObject(maskDc, mask);
    // Key pixels become 1 in the mask; blitting the mask back with XOR against a background of the key
    // colour turns exactly those pixels of the source black.
    COLORREF const background = SetBkColor(sourceDc, key);
    BitBlt(maskDc, 0, 0, description.bmWidth, description.bmHeight, sourceDc, 0, 0, SRCCOPY);
    BitBlt(sourceDc, 0, 0, description.bmWidth, description.bmHeight, maskDc, 0, 0, SRCINVERT);
    SetBkColor(sourceDc, background);
    SelectObject(maskDc, previousMask);
    SelectObject(sourceDc, previousSource);
    DeleteDC(maskDc);
    DeleteDC(sourceDc);
    return mask;
}
