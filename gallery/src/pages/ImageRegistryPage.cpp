// Image registry: command images registered once by identifier, drawn normal, greyed (disabled) and
// recoloured at several grey and blend amounts.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <string>

namespace
{
using gallery::Heading;
using gallery::Label;

constexpr UINT kFirstCommand = 40001;
constexpr int kImageCount = 5;
COLORREF const kMagenta = RGB(255, 0, 255);

// Small pictures drawn with plain GDI on magenta, as a host's toolbar strip would hold them.
HBITMAP CreateCommandImage(HDC reference, int which)
{
    HDC const dc = CreateCompatibleDC(reference);
    HBITMAP const bitmap = CreateCompatibleBitmap(reference, 16, 16);
    HGDIOBJ const previous = SelectObject(dc, bitmap);
    gallery::FillColor(dc, RECT{0, 0, 16, 16}, kMagenta);
    COLORREF const colours[] = {RGB(220, 60, 40), RGB(40, 120, 220), RGB(40, 160, 60), RGB(240, 180, 20),
                                RGB(120, 60, 160)};
    HBRUSH const brush = CreateSolidBrush(colours[which]);
    HGDIOBJ const previousBrush = SelectObject(dc, brush);
    switch (which)
    {
    case 0:
        Ellipse(dc, 1, 1, 15, 15);
        break;
    case 1:
        Rectangle(dc, 2, 3, 14, 13);
        break;
    case 2:
    {
        POINT const triangle[] = {{8, 1}, {15, 14}, {1, 14}};
        Polygon(dc, triangle, 3);
        break;
    }
    case 3:
        RoundRect(dc, 1, 4, 15, 12, 6, 6);
        break;
    default:
        Rectangle(dc, 6, 1, 10, 15);
        Rectangle(dc, 1, 6, 15, 10);
        break;
    }
    SelectObject(dc, previousBrush);
    DeleteObject(brush);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return bitmap;
}

class CImageRegistryPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Image registry"; }
    wchar_t const* GetFileStem() const override { return L"ImageRegistry"; }

protected:
    void OnCreated() override
    {
        HDC const screen = GetDC(nullptr);
        for (int i = 0; i < kImageCount; ++i)
        {
            HBITMAP const image = CreateCommandImage(screen, i);
            CLumoControls::AddBitmapWithID(kFirstCommand + i, image, 16, 16);
            DeleteObject(image); // the registry keeps its own copy
        }
        ReleaseDC(nullptr, screen);
    }

    void Paint(HDC target, RECT const&) override
    {
        CDC dc(target);
        int y =
            Heading(target, 12, 12, L"Registered command images: normal, and greyed for a disabled command");
        for (int i = 0; i < kImageCount; ++i)
        {
            int const x = 12 + i * 120;
            Label(target, x, y, L"command " + std::to_wstring(kFirstCommand + i));
            CLumoControls::DrawBitmapId(dc, kFirstCommand + i, x, y + 18, 0, 0, 0);
            CLumoControls::DrawBitmapId(dc, kFirstCommand + i, x + 24, y + 18, 0, 0, 1);
            CLumoControls::DrawBitmapId(dc, kFirstCommand + i, x + 48, y + 18, 32, 32, 0);
            CLumoControls::DrawBitmapId(dc, kFirstCommand + i, x + 84, y + 18, 32, 32, 1);
        }

        y = Heading(target, 12, 110,
                    L"C_LibraryImages_MakeGrayAlphablend: grey amount across, blend towards "
                    L"orange down (magenta stays transparent)");
        int const amounts[] = {0, 64, 128, 192, 256};
        for (int column = 0; column < 5; ++column)
            Label(target, 110 + column * 60, y, L"grey " + std::to_wstring(amounts[column]));
        for (int row = 0; row < 5; ++row)
        {
            int const top = y + 20 + row * 40;
            Label(target, 12, top + 8, L"blend " + std::to_wstring(amounts[row]));
            for (int column = 0; column < 5; ++column)
            {
                HBITMAP const copy = static_cast<HBITMAP>(
                    CopyImage(CLumoControls::BitmapFromID(kFirstCommand), IMAGE_BITMAP, 0, 0, 0));
                C_LibraryImages_MakeGrayAlphablend(copy, amounts[column], amounts[row], RGB(255, 160, 0),
                                                   kMagenta);
                CLumoControls::DrawBitmapImage(dc, copy, 110 + column * 60, top, 32, 32);
                DeleteObject(copy);
            }
        }
    }
};
} // namespace

std::unique_ptr<CGalleryPage> CreateImageRegistryPage()
{
    return std::make_unique<CImageRegistryPage>();
}
