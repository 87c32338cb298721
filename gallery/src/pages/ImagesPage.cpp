// Images: the image object and the bitmap functions. A PNG with alpha at natural size and stretched,
// cropped, recoloured and trimmed; a composed strip; an attention rectangle; and a small window shaped by
// a region made from a bitmap.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace
{
using gallery::Heading;
using gallery::Label;

constexpr int kBadgeResource = 100;
COLORREF const kKey = RGB(255, 0, 255);

// A checkerboard behind transparent pictures, so that their alpha shows.
void Checkerboard(HDC dc, RECT const& area)
{
    for (int y = area.top; y < area.bottom; y += 8)
        for (int x = area.left; x < area.right; x += 8)
            gallery::FillColor(
                dc, RECT{x, y, std::min<int>(x + 8, area.right), std::min<int>(y + 8, area.bottom)},
                ((x - area.left) / 8 + (y - area.top) / 8) % 2 ? RGB(220, 220, 220) : RGB(255, 255, 255));
}

bool LoadBadge(CLumoImage& image)
{
    return image.Load(TWinResWrapper<HINSTANCE>(GetModuleHandleW(nullptr)), MAKEINTRESOURCEW(kBadgeResource),
                      L"PNG");
}

// A star drawn on magenta: the shape of the small window.
HBITMAP CreateStarBitmap(int size)
{
    HDC const screen = GetDC(nullptr);
    HDC const dc = CreateCompatibleDC(screen);
    HBITMAP const bitmap = CreateCompatibleBitmap(screen, size, size);
    ReleaseDC(nullptr, screen);
    HGDIOBJ const previous = SelectObject(dc, bitmap);
    gallery::FillColor(dc, RECT{0, 0, size, size}, kKey);
    POINT star[10];
    for (int i = 0; i < 10; ++i)
    {
        double const angle = -3.14159265 / 2 + i * 3.14159265 / 5;
        double const radius = i % 2 == 0 ? size / 2.0 - 1 : size / 5.0;
        star[i] = POINT{static_cast<LONG>(size / 2.0 + radius * std::cos(angle)),
                        static_cast<LONG>(size / 2.0 + radius * std::sin(angle))};
    }
    HBRUSH const brush = CreateSolidBrush(RGB(40, 90, 200));
    HGDIOBJ const previousBrush = SelectObject(dc, brush);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, star, 10);
    SelectObject(dc, previousBrush);
    DeleteObject(brush);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}

LRESULT CALLBACK ShapedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        PAINTSTRUCT ps;
        HDC const dc = BeginPaint(window, &ps);
        RECT client;
        GetClientRect(window, &client);
        CDC wrapped(dc);
        DrawGradient(wrapped, client, RGB(255, 200, 60), RGB(230, 80, 40), 0);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class CImagesPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Images"; }
    wchar_t const* GetFileStem() const override { return L"Images"; }

protected:
    void OnCreated() override
    {
        WNDCLASSW shapedClass{};
        shapedClass.lpfnWndProc = &ShapedWindowProcedure;
        shapedClass.hInstance = GetModuleHandleW(nullptr);
        shapedClass.lpszClassName = L"LumoGalleryShaped";
        RegisterClassW(&shapedClass);
        HWND const shaped =
            CreateWindowExW(0, L"LumoGalleryShaped", L"", WS_CHILD | WS_VISIBLE, 700, 470, 120, 120,
                            GetWindow(), nullptr, GetModuleHandleW(nullptr), nullptr);
        HBITMAP const star = CreateStarBitmap(120);
        SetWindowRgn(shaped, CreateHRGNFromHBITMAP(star, kKey, 0), TRUE); // the window owns the region
        DeleteObject(star);
    }

    void Paint(HDC target, RECT const&) override
    {
        CDC dc(target);
        CLumoImage badge;
        if (!LoadBadge(badge))
        {
            Label(target, 12, 12, L"the badge picture could not be loaded");
            return;
        }
        int const w = badge.GetWidth();
        int const h = badge.GetHeight();

        int y =
            Heading(target, 12, 12, L"A PNG with alpha (120 by 100) at natural size, stretched and cropped");
        Checkerboard(target, RECT{12, y, 12 + w, y + h});
        badge.Draw(dc, 12, y);
        Checkerboard(target, RECT{150, y, 150 + 200, y + 100});
        badge.Draw(dc, 150, y, 200, 100);
        Checkerboard(target, RECT{370, y, 370 + 60, y + 50});
        badge.Draw(dc, 370, y, 60, 50);
        CLumoImage cropped;
        LoadBadge(cropped);
        cropped.Crop(40, 20, 60, 40);
        Checkerboard(target, RECT{450, y, 450 + 60, y + 40});
        cropped.Draw(dc, 450, y);
        Label(target, 450, y + 44, L"Crop(40, 20, 60, 40)");

        y = Heading(target, 12, y + h + 16,
                    L"CropEmpty trims the transparent margin; ReplaceColor recolours");
        CLumoImage trimmed;
        LoadBadge(trimmed);
        trimmed.CropEmpty();
        Checkerboard(target, RECT{12, y, 12 + trimmed.GetWidth(), y + trimmed.GetHeight()});
        trimmed.Draw(dc, 12, y);
        Label(target, 12, y + trimmed.GetHeight() + 4,
              std::to_wstring(w) + L" x " + std::to_wstring(h) + L" trimmed to " +
                  std::to_wstring(trimmed.GetWidth()) + L" x " + std::to_wstring(trimmed.GetHeight()));
        CLumoImage recoloured;
        LoadBadge(recoloured);
        recoloured.ReplaceColor(RGB(40, 90, 200), RGB(30, 160, 70)); // the opaque blue ring turns green
        Checkerboard(target, RECT{200, y, 200 + w, y + h});
        recoloured.Draw(dc, 200, y);
        Label(target, 200, y + h + 4, L"ReplaceColor(blue, green)");

        y = Heading(target, 12, y + h + 28, L"FillBitmap, FillAndStretchBitmap and a composed strip");
        CBitmap filled;
        badge.FillBitmap(filled, 90, 90, RGB(255, 250, 220));
        CBitmap stretched;
        badge.FillAndStretchBitmap(stretched, 160, 90, true, RGB(40, 90, 200), 3);
        CCompDC source(target);
        source.Select(filled);
        dc.BitBlt(12, y, 90, 90, source, 0, 0, SRCCOPY);
        source.Select(stretched);
        dc.BitBlt(120, y, 160, 90, source, 0, 0, SRCCOPY);
        std::vector<TSharedPointer<CBitmapComposer::CBitmapComposeItem>> items;
        items.emplace_back(new CBitmapComposer::CBitmapComposeItem(filled));
        items.emplace_back(new CBitmapComposer::CBitmapComposeItem(stretched));
        items.emplace_back(new CBitmapComposer::CBitmapComposeItem(filled));
        source.RestoreBitmap();
        CBitmap composed(CBitmapComposer::GetComposedBitmap(360, 90, items, RGB(230, 230, 230)));
        source.Select(composed);
        dc.BitBlt(300, y, 360, 90, source, 0, 0, SRCCOPY);
        source.RestoreBitmap();

        y = Heading(target, 12, y + 108,
                    L"DrawAttentionToRectangleInImage and a window shaped by CreateHRGNFromHBITMAP");
        CBitmap screenshot;
        badge.FillAndStretchBitmap(screenshot, 240, 130, false, 0, 0);
        source.Select(screenshot);
        RECT const focus{70, 30, 170, 100};
        DrawAttentionToRectangleInImage(source, 240, 130, &focus, 160);
        dc.BitBlt(12, y, 240, 130, source, 0, 0, SRCCOPY);
        source.RestoreBitmap();
    }
};
} // namespace

std::unique_ptr<CGalleryPage> CreateImagesPage()
{
    return std::make_unique<CImagesPage>();
}
