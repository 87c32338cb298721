// Colours: the colour arithmetic at work. Ramps of DarkenColor and LightenColor, the two fixed blends,
// the HLS plane through HLS2RGB and HLS_TRANSFORM ramps.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <string>

namespace
{
using gallery::Heading;
using gallery::Label;
using gallery::Swatch;

constexpr int kSwatch = 26;

COLORREF const kBaseColors[] = {RGB(0xFF, 0xC0, 0x5B), RGB(0x71, 0xA1, 0xE1), RGB(0x2E, 0x8B, 0x57),
                                RGB(0xC8, 0x32, 0x32)};
wchar_t const* const kBaseNames[] = {L"orange", L"blue", L"sea green", L"red"};

class CColoursPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Colours"; }
    wchar_t const* GetFileStem() const override { return L"Colours"; }

protected:
    void Paint(HDC dc, RECT const&) override
    {
        int y = 12;
        y = PaintFactorRamps(dc, 12, y, L"DarkenColor(factor, c), factor 0 to 255", &DarkenColor);
        y = PaintFactorRamps(dc, 12, y + 8, L"LightenColor(factor, c), factor 0 to 255", &LightenColor);
        PaintBlends(dc, 12, y + 8);
        PaintHlsPlane(dc, 440, 12);
        PaintTransforms(dc, 440, 330);
    }

private:
    static int PaintFactorRamps(HDC dc, int x, int y, wchar_t const* title,
                                COLORREF (*function)(int, COLORREF))
    {
        y = Heading(dc, x, y, title);
        for (int factor = 0, column = 0; factor <= 256; factor += 32, ++column)
            Label(dc, x + 70 + column * (kSwatch + 12), y, std::to_wstring(factor > 255 ? 255 : factor));
        y += 16;
        for (int row = 0; row < 4; ++row)
        {
            Label(dc, x, y + 6, kBaseNames[row]);
            for (int factor = 0, column = 0; factor <= 256; factor += 32, ++column)
                Swatch(dc, x + 70 + column * (kSwatch + 12), y, kSwatch + 8, kSwatch,
                       function(factor > 255 ? 255 : factor, kBaseColors[row]));
            y += kSwatch + 4;
        }
        return y;
    }

    static void PaintBlends(HDC dc, int x, int y)
    {
        y = Heading(dc, x, y, L"MidColor(a, b) (70/30) and MixedColor(a, b) (86/14)");
        wchar_t const* const columns[] = {L"a", L"b", L"Mid", L"Mixed"};
        for (int c = 0; c < 4; ++c)
            Label(dc, x + 70 + c * 48, y, columns[c]);
        y += 16;
        COLORREF const pairs[][2] = {{RGB(255, 255, 255), RGB(0, 0, 0)},
                                     {RGB(0, 0, 0), RGB(255, 255, 255)},
                                     {kBaseColors[0], kBaseColors[1]},
                                     {kBaseColors[2], kBaseColors[3]},
                                     {kBaseColors[1], RGB(255, 255, 255)}};
        for (auto const& pair : pairs)
        {
            COLORREF const shown[] = {pair[0], pair[1], MidColor(pair[0], pair[1]),
                                      MixedColor(pair[0], pair[1])};
            for (int c = 0; c < 4; ++c)
                Swatch(dc, x + 70 + c * 48, y, 40, kSwatch, shown[c]);
            Label(dc, x + 270, y + 6, gallery::Hex(shown[2]) + L"  " + gallery::Hex(shown[3]));
            y += kSwatch + 4;
        }
    }

    // Hue across (0 to 240), lightness down (240 at the top to 0), full saturation.
    static void PaintHlsPlane(HDC dc, int x, int y)
    {
        y = Heading(dc, x, y, L"HLS2RGB: hue across, lightness down, saturation 240");
        constexpr int kWidth = 420;
        constexpr int kHeight = 242;
        auto across = [&](int hue) { return x + hue * kWidth / 241; };
        for (int lightness = 240; lightness >= 0; lightness -= 2)
        {
            int const top = y + (240 - lightness);
            for (int hue = 0; hue <= 240; ++hue)
            {
                RECT const cell{across(hue), top, across(hue + 1), top + 2};
                gallery::FillColor(dc, cell, HLS2RGB(hue | lightness << 8 | 240 << 16));
            }
        }
        for (int hue = 0; hue <= 240; hue += 40)
            Label(dc, across(hue) - 4, y + kHeight + 2, std::to_wstring(hue));
    }

    static void PaintTransforms(HDC dc, int x, int y)
    {
        y = Heading(dc, x, y, L"HLS_TRANSFORM(c, L %, 0) (rows L) and (c, 0, S %) (rows S)");
        int const percents[] = {-100, -70, -40, -20, 0, 20, 40, 70, 100};
        for (int p = 0; p < 9; ++p)
            Label(dc, x + 90 + p * 38, y, std::to_wstring(percents[p]));
        y += 16;
        for (int row = 0; row < 4; ++row)
        {
            Label(dc, x, y + 6, std::wstring(kBaseNames[row]) + L" L");
            for (int p = 0; p < 9; ++p)
                Swatch(dc, x + 90 + p * 38, y, 32, kSwatch, HLS_TRANSFORM(kBaseColors[row], percents[p], 0));
            y += kSwatch + 4;
        }
        for (int row = 0; row < 4; ++row)
        {
            Label(dc, x, y + 6, std::wstring(kBaseNames[row]) + L" S");
            for (int p = 0; p < 9; ++p)
                Swatch(dc, x + 90 + p * 38, y, 32, kSwatch, HLS_TRANSFORM(kBaseColors[row], 0, percents[p]));
            y += kSwatch + 4;
        }
    }
};
} // namespace

std::unique_ptr<CGalleryPage> CreateColoursPage()
{
    return std::make_unique<CColoursPage>();
}
