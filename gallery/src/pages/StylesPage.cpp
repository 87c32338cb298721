// Styles: the tree grid's default styles of looks 0 and 1, one panel per object type that has a look,
// each state shown as a swatch of its resolved bands, borders and text colour, with the style's
// description beneath.
#include "GalleryPage.h"
#include "Paint.h"

#include <LumoCtrls/LumoCtrls.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using gallery::Heading;
using gallery::Label;

struct ShownState
{
    unsigned state;
    wchar_t const* name;
};
ShownState const kStates[] = {
    {CTreeGrid::STATE_NORMAL, L"normal"},  {CTreeGrid::STATE_HOVER, L"hover"},
    {CTreeGrid::STATE_SELECT, L"select"},  {CTreeGrid::STATE_HISELECT, L"hover+sel"},
    {CTreeGrid::STATE_PUSH, L"push"},      {CTreeGrid::STATE_FOCUS, L"focus"},
    {CTreeGrid::STATE_DISABLE, L"disable"}};

constexpr int kSwatchWidth = 58;
constexpr int kSwatchHeight = 24;

// The bands of a state, each over its share of the swatch, along the style's gradient direction.
void PaintBands(CDCBase& dc, RECT const& area, std::vector<CTreeGrid::SBackgroundColor> const& bands,
                int direction)
{
    gallery::FillColor(dc, area, RGB(255, 255, 255));
    bool const vertical = direction != 2; // bands stack along the gradient: horizontal gradients run top down
    int const extent = vertical ? area.bottom - area.top : area.right - area.left;
    int offset = 0;
    for (CTreeGrid::SBackgroundColor const& band : bands)
    {
        int const size = extent * band.size / 100;
        RECT part = area;
        if (vertical)
        {
            part.top = area.top + offset;
            part.bottom = part.top + size;
        }
        else
        {
            part.left = area.left + offset;
            part.right = part.left + size;
        }
        DrawGradient(dc, part, band.from, band.to, vertical ? 0 : 1);
        offset += size;
    }
}

// Each side's pens, drawn from the outer edge inwards.
void PaintBorders(HDC dc, CTreeGrid& grid, CTreeGrid::IDrawStyle* style, unsigned state, RECT const& area)
{
    struct
    {
        unsigned side;
        int dx, dy;
    } const sides[] = {{1, 1, 0}, {2, -1, 0}, {4, 0, 1}, {8, 0, -1}};
    for (auto const& side : sides)
    {
        std::wstring name;
        style->GetBorder(state, side.side, name);
        std::vector<CTreeGrid::TPen> pens;
        grid.GetBorderStyle(name, pens);
        for (std::size_t i = 0; i < pens.size(); ++i)
        {
            if (pens[i].kind == 0 || pens[i].color == 0xFFFFFFFF)
                continue;
            int const inset = static_cast<int>(i);
            RECT line = area;
            if (side.side == 1)
                line = RECT{area.left + inset, area.top, area.left + inset + 1, area.bottom};
            else if (side.side == 2)
                line = RECT{area.right - 1 - inset, area.top, area.right - inset, area.bottom};
            else if (side.side == 4)
                line = RECT{area.left, area.top + inset, area.right, area.top + inset + 1};
            else
                line = RECT{area.left, area.bottom - 1 - inset, area.right, area.bottom - inset};
            gallery::FillColor(dc, line, pens[i].color);
        }
    }
}

// A long description, cut into lines of at most `width` characters.
int PaintDescription(HDC dc, int x, int y, std::wstring const& text, std::size_t width)
{
    if (text.empty())
    {
        Label(dc, x, y, L"(nothing set)", RGB(130, 130, 130));
        return y + 14;
    }
    for (std::size_t start = 0; start < text.size(); start += width)
    {
        Label(dc, x, y, text.substr(start, width), RGB(70, 70, 110));
        y += 13;
    }
    return y;
}

class CStylesPage : public CGalleryPage
{
public:
    wchar_t const* GetTitle() const override { return L"Styles"; }
    wchar_t const* GetFileStem() const override { return L"Styles"; }

protected:
    void Paint(HDC target, RECT const&) override
    {
        CDC dc(target);
        CTreeGrid& standard = m_standard;
        CTreeGrid& theme = m_theme;
        struct
        {
            CTreeGrid::EObjectType type;
            wchar_t const* name;
        } const types[] = {{CTreeGrid::OBJECT_GRID, L"grid"},
                           {CTreeGrid::OBJECT_COLUMN_HEADER, L"column header"},
                           {CTreeGrid::OBJECT_CELL, L"cell"},
                           {CTreeGrid::OBJECT_PROGRESS, L"progress"}};
        int y = 8;
        for (auto const& type : types)
        {
            int const top = y;
            int bottom = y;
            int x = 8;
            for (CTreeGrid* grid : {&standard, &theme})
            {
                wchar_t const* const look = grid == &standard ? L"look 0: " : L"look 1: ";
                bottom = std::max(bottom, PaintPanel(dc, *grid, look, type.type, type.name, x, top));
                x += 450;
            }
            y = bottom + 10;
        }
        Label(target, 8, y,
              L"Row headers take the column header's look without its padding, radius and alignment; the other "
              L"object types have no built-in look.");
    }

private:
    // The two looks, made once: their default styles are created on the first paint and kept.
    CTreeGrid m_standard{CTreeGrid::LOOK_STANDARD};
    CTreeGrid m_theme{CTreeGrid::LOOK_THEME};

    static int PaintPanel(CDCBase& dc, CTreeGrid& grid, wchar_t const* look, CTreeGrid::EObjectType type,
                          wchar_t const* name, int x, int y)
    {
        y = Heading(dc, x, y, std::wstring(look) + name);
        CTreeGrid::IDrawStyle* const style = grid.GetDefaultStyle(type);
        auto* const textStyle = dynamic_cast<CTreeGrid::IStyle*>(style);
        for (int i = 0; i < 7; ++i)
        {
            RECT const swatch{x + i * (kSwatchWidth + 3), y, x + i * (kSwatchWidth + 3) + kSwatchWidth,
                              y + kSwatchHeight};
            std::vector<CTreeGrid::SBackgroundColor> bands;
            style->GetBackgroundColors(kStates[i].state, bands);
            PaintBands(dc, swatch, bands, style->GetGradientDirection(kStates[i].state));
            PaintBorders(dc, grid, style, kStates[i].state, swatch);
            COLORREF text = textStyle != nullptr ? textStyle->GetTextColor(kStates[i].state) : 0xFFFFFFFF;
            int const mode = SetBkMode(dc, TRANSPARENT);
            Label(dc, swatch.left + 4, swatch.top + 5, L"Text", text == 0xFFFFFFFF ? RGB(0, 0, 0) : text);
            SetBkMode(dc, mode);
            Label(dc, swatch.left, swatch.bottom + 1, kStates[i].name, RGB(120, 120, 120));
        }
        return PaintDescription(dc, x, y + kSwatchHeight + 16, style->Describe(), 68);
    }
};
} // namespace

std::unique_ptr<CGalleryPage> CreateStylesPage()
{
    return std::make_unique<CStylesPage>();
}
