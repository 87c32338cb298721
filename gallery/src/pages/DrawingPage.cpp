// Drawing: the theme colours, the gradients with and without the platform's gradient fill, and the
// colour-keyed bitmap copy over a checkerboard.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <string>
#include <utility>

namespace
{
using gallery::Heading;
using gallery::Label;
using gallery::Swatch;

class CDrawingPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Drawing"; }
    wchar_t const* GetFileStem() const override { return L"Drawing"; }

protected:
    void Paint(HDC target, RECT const&) override
    {
        CDC dc(target);
        PaintThemeColours(target, 12, 12);
        PaintGradients(dc, 12, 150);
        PaintKeyedBitmap(target, 600, 12);
    }

private:
    static void PaintThemeColours(HDC dc, int x, int y)
    {
        y = Heading(dc, x, y, L"Theme colours");
        COLORREF selection[2], hot[2], hotSelection[2];
        GetSelectionColors(selection[0], selection[1]);
        GetHotColors(hot[0], hot[1]);
        GetHotSelectionColors(hotSelection[0], hotSelection[1]);
        std::pair<wchar_t const*, COLORREF> const swatches[] = {
            {L"hint", GetHintColor()},
            {L"theme", GetThemeColor()},
            {L"darken theme", GetDarkenThemeColor()},
            {L"lighten theme", GetLightenThemeColor()},
            {L"selection 1", selection[0]},
            {L"selection 2", selection[1]},
            {L"hot 1", hot[0]},
            {L"hot 2", hot[1]},
            {L"hot selection 1", hotSelection[0]},
            {L"hot selection 2", hotSelection[1]},
        };
        int column = 0;
        for (auto const& swatch : swatches)
        {
            int const left = x + (column % 5) * 112;
            int const top = y + (column / 5) * 56;
            Swatch(dc, left, top, 100, 24, swatch.second);
            Label(dc, left, top + 26, swatch.first);
            Label(dc, left, top + 39, gallery::Hex(swatch.second), RGB(110, 110, 110));
            ++column;
        }
    }

    // Each gradient twice: with the platform's gradient fill (left) and with the band fallback (right).
    static void PaintGradients(CDCBase& dc, int x, int y)
    {
        y = Heading(dc, x, y, L"Gradients: platform gradient fill (left), 2-pixel bands (right)");
        struct Row
        {
            wchar_t const* label;
            int kind; // 0 DrawGradient, 1 and 2 DrawGradient2 modes, 3 the neutral variant
        };
        Row const rows[] = {{L"DrawGradient", 0},
                            {L"DrawGradient2 mode 1", 1},
                            {L"DrawGradient2 mode 2", 2},
                            {L"DrawGradient2NoLumoInterface mode 2", 3}};
        for (Row const& row : rows)
        {
            Label(dc, x, y, row.label);
            y += 16;
            for (int side = 0; side < 2; ++side)
            {
                bool const previous = EnablePlatformGradientFill(side == 0);
                int const left = x + side * 290;
                DrawOne(dc, RECT{left, y, left + 200, y + 40}, row.kind, 1);
                DrawOne(dc, RECT{left + 210, y, left + 270, y + 40}, row.kind, 0);
                EnablePlatformGradientFill(previous);
            }
            y += 50;
        }
    }

    static void DrawOne(CDCBase& dc, RECT const& rect, int kind, int horizontal)
    {
        switch (kind)
        {
        case 0:
            DrawGradient(dc, rect, GetLightenThemeColor(), GetDarkenThemeColor(), horizontal);
            break;
        case 3:
            DrawGradient2NoLumoInterface(dc, rect, 143, 240, 215, 160, horizontal, 2);
            break;
        default:
            DrawGradient2(dc, rect, 30, 240, 225, 150, horizontal, kind);
            break;
        }
    }

    // A small image with a magenta background and a magenta hole, copied keyed over a checkerboard.
    static void PaintKeyedBitmap(HDC dc, int x, int y)
    {
        y = Heading(dc, x, y, L"PaintBitmap (key magenta)");
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 12; ++column)
                gallery::FillColor(
                    dc, RECT{x + column * 16, y + row * 16, x + column * 16 + 16, y + row * 16 + 16},
                    (row + column) % 2 ? RGB(200, 200, 200) : RGB(255, 255, 255));
        HDC const memory = CreateCompatibleDC(dc);
        HBITMAP const image = CreateCompatibleBitmap(dc, 96, 64);
        HGDIOBJ const previous = SelectObject(memory, image);
        gallery::FillColor(memory, RECT{0, 0, 96, 64}, RGB(255, 0, 255));
        HBRUSH const brush = CreateSolidBrush(RGB(0x71, 0xA1, 0xE1));
        HGDIOBJ const previousBrush = SelectObject(memory, brush);
        Ellipse(memory, 4, 4, 92, 60);
        SelectObject(memory, previousBrush);
        DeleteObject(brush);
        gallery::FillColor(memory, RECT{36, 24, 60, 40}, RGB(255, 0, 255));
        SelectObject(memory, previous);
        DeleteDC(memory);
        PaintBitmap(dc, image, RGB(255, 0, 255), 0, 0, x + 48, y + 32, 96, 64);
        DeleteObject(image);
    }
};
} // namespace

std::unique_ptr<CGalleryPage> CreateDrawingPage()
{
    return std::make_unique<CDrawingPage>();
}
