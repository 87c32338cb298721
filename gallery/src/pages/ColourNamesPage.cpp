// Colour names: both colour tables as named swatches, and a few text forms with what they read as.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <string>

namespace
{
using gallery::Heading;
using gallery::Label;
using gallery::Swatch;

class CColourNamesPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Colour names"; }
    wchar_t const* GetFileStem() const override { return L"ColourNames"; }

protected:
    void Paint(HDC dc, RECT const&) override
    {
        std::size_t count = 0;
        SNamedColor const* standard = GetStandardColorTable(count);
        int y = Heading(dc, 12, 8, L"Standard colours");
        PaintTable(dc, 12, y, standard, count, 4, 220);
        SNamedColor const* web = GetWebColorTable(count);
        y = Heading(dc, 12, 116, L"Web colours (None and Transparent first)");
        PaintTable(dc, 12, y, web, count, 6, 148);
        PaintParsedForms(dc, 12, 624);
    }

private:
    static void PaintTable(HDC dc, int x, int y, SNamedColor const* rows, std::size_t count, int columns,
                           int columnWidth)
    {
        int const perColumn = static_cast<int>((count + columns - 1) / columns);
        for (std::size_t i = 0; i < count; ++i)
        {
            int const left = x + static_cast<int>(i) / perColumn * columnWidth;
            int const top = y + static_cast<int>(i) % perColumn * 20;
            COLORREF const value = rows[i].value;
            bool const special = value == 0xFFFFFFFF || value == 0xFFFF0001;
            Swatch(dc, left, top, 18, 17, special ? RGB(255, 255, 255) : value);
            if (special) // no colour: a cross in the swatch
            {
                MoveToEx(dc, left + 2, top + 2, nullptr);
                LineTo(dc, left + 16, top + 15);
            }
            Label(dc, left + 22, top + 2, rows[i].name);
        }
    }

    static void PaintParsedForms(HDC dc, int x, int y)
    {
        y = Heading(dc, x, y, L"Text forms read by GetCOLORREFFromName and named by GetNameFromCOLORREF");
        wchar_t const* const texts[] = {L"red", L"255, 128, 0", L"0000ff",   L"transparent",
                                        L"",    L"Cyan (Aqua)", L"18,52,86", L"00fg00"};
        int column = 0;
        for (wchar_t const* text : texts)
        {
            COLORREF value = 0;
            bool const understood = GetCOLORREFFromName(text, value);
            int const left = x + (column % 4) * 222;
            int const top = y + (column / 4) * 44;
            Swatch(dc, left, top, 18, 17, understood && value <= 0xFFFFFF ? value : RGB(255, 255, 255));
            Label(dc, left + 22, top, std::wstring(L"\"") + text + L"\"");
            Label(dc, left + 22, top + 16,
                  understood
                      ? L"= " + gallery::Hex(value) + L", named \"" + GetNameFromCOLORREF(value) + L"\""
                      : std::wstring(L"not a colour"),
                  RGB(110, 110, 110));
            ++column;
        }
    }
};
} // namespace

std::unique_ptr<CGalleryPage> CreateColourNamesPage()
{
    return std::make_unique<CColourNamesPage>();
}
