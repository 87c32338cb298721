#include "Screenshot.h"

#include <gdiplus.h>

#include <cstdio>
#include <vector>

namespace
{
bool FindPngEncoder(CLSID& encoder)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<BYTE> storage(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (wcscmp(codecs[i].MimeType, L"image/png") == 0)
        {
            encoder = codecs[i].Clsid;
            return true;
        }
    return false;
}

bool Fail(char const* what)
{
    std::fprintf(stderr, "screenshot: %s\n", what);
    return false;
}
} // namespace

bool SaveWindowAsPng(HWND window, std::wstring const& path)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    int const width = bounds.right - bounds.left;
    int const height = bounds.bottom - bounds.top;

    HDC const windowDc = GetWindowDC(window);
    HDC const memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP const bitmap = CreateCompatibleBitmap(windowDc, width, height);
    HGDIOBJ const previous = SelectObject(memoryDc, bitmap);
    BOOL const copied = BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, previous);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);

    bool saved = false;
    if (!copied)
        Fail("BitBlt from the window context failed");
    else
    {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
            Fail("GDI+ did not start");
        else
        {
            CLSID encoder;
            if (!FindPngEncoder(encoder))
                Fail("no PNG encoder");
            else
            {
                Gdiplus::Bitmap image(bitmap, nullptr);
                saved = image.Save(path.c_str(), &encoder, nullptr) == Gdiplus::Ok;
                if (!saved)
                    Fail("the PNG encoder could not write the file");
            }
            Gdiplus::GdiplusShutdown(token);
        }
    }
    DeleteObject(bitmap);
    return saved;
}
