#include "CommandImages.h"

#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

namespace
{

// Small pictures drawn with plain GDI on magenta, as a host's toolbar strip would hold them.
HBITMAP CreateCommandImage(HDC reference, int which)
{
    HDC const dc = CreateCompatibleDC(reference);
    HBITMAP const bitmap = CreateCompatibleBitmap(reference, 16, 16);
    HGDIOBJ const previous = SelectObject(dc, bitmap);
    gallery::FillColor(dc, RECT{0, 0, 16, 16}, lumo::kColorKey);
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
} // namespace

void gallery::RegisterCommandImages()
{
    HDC const screen = GetDC(nullptr);
    for (int i = 0; i < kImageCount; ++i)
    {
        HBITMAP const image = CreateCommandImage(screen, i);
        CLumoControls::AddBitmapWithID(kCommandOpen + i, image, 16, 16);
        DeleteObject(image); // the registry keeps its own copy
    }
    ReleaseDC(nullptr, screen);
}
