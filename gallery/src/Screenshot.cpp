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
// The process's other visible top-level windows over the window (open editors and lists float there),
// bottom first: without a composited screen each window keeps its own pixels.
void CopyPopupsOver(HDC target, HWND window, RECT const& bounds)
{
    struct Collected
    {
        HWND window;
        std::vector<HWND> popups; // top first
    } collected{window, {}};
    EnumWindows(
        [](HWND candidate, LPARAM data) -> BOOL
        {
            auto& c = *reinterpret_cast<Collected*>(data);
            DWORD process = 0;
            GetWindowThreadProcessId(candidate, &process);
            if (candidate != c.window && process == GetCurrentProcessId() && IsWindowVisible(candidate))
                c.popups.push_back(candidate);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&collected));
    for (auto popup = collected.popups.rbegin(); popup != collected.popups.rend(); ++popup)
    {
        RedrawWindow(*popup, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT r;
        GetWindowRect(*popup, &r);
        HDC const dc = GetWindowDC(*popup);
        BitBlt(target, r.left - bounds.left, r.top - bounds.top, r.right - r.left, r.bottom - r.top, dc, 0, 0,
               SRCCOPY);
        ReleaseDC(*popup, dc);
    }
}

// The window's pixels, frame included, in a new bitmap (with the process's pop-ups over it when asked);
// null when they could not be copied.
HBITMAP CopyWindowPixels(HWND window, bool withPopups)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    int const width = bounds.right - bounds.left;
    int const height = bounds.bottom - bounds.top;
    HDC const source = GetWindowDC(window);
    HDC const memory = CreateCompatibleDC(source);
    HBITMAP picture = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ const previous = SelectObject(memory, picture);
    bool const copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
    if (withPopups)
        CopyPopupsOver(memory, window, bounds);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(window, source);
    if (!copied)
    {
        DeleteObject(picture);
        picture = nullptr;
    }
    return picture;
}
} // namespace

bool SaveWindowAsPng(HWND window, std::wstring const& path)
{
    HBITMAP const bitmap = CopyWindowPixels(window, true);
    bool saved = false;
    if (bitmap == nullptr)
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

HBITMAP gallery::CaptureWindow(HWND window)
{
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return CopyWindowPixels(window, false);
}

void gallery::DrawPicture(HDC dc, int x, int y, HBITMAP picture)
{
    if (picture == nullptr)
        return;
    BITMAP info{};
    GetObjectW(picture, sizeof(info), &info);
    HDC const memory = CreateCompatibleDC(dc);
    HGDIOBJ const previous = SelectObject(memory, picture);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}
