// The geometry the menu painter computes: where each kind of item puts its frame, box, mark, text and
// arrow, and the gap and shadow of an open menu-bar item. (The pixels of the painting as a whole are checked
// under Wine.)
#include "LumoControls/LumoControls/MenuPainting.h"
#include "LumoCtrls/ColorArithmetic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
using lumo::Rect;

std::string Line(char const* call, Rect const& r, COLORREF color)
{
    char buffer[96];
    std::snprintf(buffer, sizeof(buffer), "%s [%d,%d,%d,%d] %06X", call, r.left, r.top, r.right, r.bottom,
                  color);
    return buffer;
}

std::string Point(char const* call, int x, int y, unsigned value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), "%s %d,%d %X", call, x, y, value);
    return buffer;
}

// Records each call as one line.
class Recorder : public lumo::IMenuCanvas
{
public:
    void Fill(Rect const& r, COLORREF c) override { lines.push_back(Line("fill", r, c)); }
    void Gradient(Rect const& r, COLORREF from, COLORREF, bool) override
    {
        lines.push_back(Line("gradient", r, from));
    }
    void Frame(Rect const& r, COLORREF pen) override { lines.push_back(Line("frame", r, pen)); }
    void Box(Rect const& r, COLORREF, COLORREF brush) override { lines.push_back(Line("box", r, brush)); }
    void Text(Rect const& r, std::wstring const& text, lumo::MenuTextAlign align, COLORREF) override
    {
        lines.push_back(Line(align == lumo::MenuTextAlign::Right ? "right" : "text", r, 0) + " " +
                        std::string(text.begin(), text.end()));
    }
    void Image(int x, int y, int, int, bool disabled) override
    {
        lines.push_back(Point("image", x, y, disabled));
    }
    void CheckMark(int x, int y, COLORREF background) override
    {
        lines.push_back(Point("check", x, y, background));
    }
    void Ellipse(Rect const& r, COLORREF c) override { lines.push_back(Line("ellipse", r, c)); }
    void Pixel(int x, int y, COLORREF c) override { lines.push_back(Point("pixel", x, y, c)); }
    void DarkenPixel(int x, int y, int factor) override { lines.push_back(Point("darken", x, y, factor)); }

    bool Has(std::string const& line) const
    {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    std::vector<std::string> lines;
};

lumo::MenuPalette const kPalette{0x000000, 0x808080, 0xFFFFFF, 0xC56A31,
                                 0xD8E9EC, 0x99A8AC, 0x5BC0FF, 0xFFE0CA};

TEST(PopupItem, EachKindPutsItsPartsInTheirPlaces)
{
    auto item = [](std::wstring text, bool image = false, bool radio = false, bool submenu = false)
    {
        lumo::PopupItem i;
        i.text = std::move(text);
        i.hasImage = image;
        i.radio = radio;
        i.opensSubmenu = submenu;
        return i;
    };
    lumo::PopupItem separator;
    separator.separator = true;
    lumo::MenuItemState selected, checked, disabledChecked, selectedChecked;
    selected.selected = selectedChecked.selected = selectedChecked.checked = true;
    checked.checked = true;
    disabledChecked.checked = disabledChecked.disabled = true;
    struct
    {
        lumo::PopupItem item;
        lumo::MenuItemState state;
        std::string expected;
    } const cases[] = {
        {separator, {}, "fill [26,21,150,41] C56A31"},
        {item(L"Cut"), selected, "frame [1,21,149,41] 3C8CFB"},
        {item(L"Cut"), selected, Line("fill", {2, 22, 148, 40}, HLS_TRANSFORM(0x5BC0FF, 50, 0))},
        {item(L"Bold", true), selectedChecked, Line("box", {1, 21, 20, 41}, HLS_TRANSFORM(0x5BC0FF, -35, 0))},
        {item(L"Ruler"), checked, "check 6,25 5BC0FF"},
        {item(L"Ruler"), disabledChecked, Line("box", {1, 21, 20, 41}, HLS_TRANSFORM(0xD8E9EC, 73, 0))},
        {item(L"Small", false, true), checked, "ellipse [7,28,14,35] 000000"},
        {item(L"Bold", true), disabledChecked, "image 2,22 1"},
        {item(L"Recent", false, false, true), {}, "pixel 143,31 0"},
        {item(L"&Open\tCtrl+O"), {}, "text [26,20,135,42] 000000 &Open"},
        {item(L"&Open\tCtrl+O"), {}, "right [26,20,135,42] 000000 Ctrl+O"},
    };
    for (auto const& c : cases)
    {
        Recorder recorder;
        lumo::PaintPopupItem(recorder, Rect{0, 20, 150, 42}, c.item, c.state, 16, 16, kPalette);
        EXPECT_TRUE(recorder.Has(c.expected)) << c.expected;
    }
}

TEST(MenuBarItem, ASelectedItemLeavesAGapOfItsInnerWidthAndCastsAShadow)
{
    auto paint = [](lumo::MenuItemState state, lumo::MenuShadow shadow, Recorder& recorder)
    {
        lumo::MenuBarItemResult const result =
            lumo::PaintMenuBarItem(recorder, Rect{10, 0, 60, 20}, L"&File", state, kPalette, shadow);
        EXPECT_EQ(result.painted, (Rect{10, 0, 56, 20}));
        return result.dropWidth;
    };
    lumo::MenuItemState hot, selected, inactive;
    hot.hot = true;
    selected.selected = true;
    inactive.selected = inactive.inactive = true;
    Recorder plain, hotItem, open, stillOpen, solid;
    EXPECT_EQ(paint({}, lumo::MenuShadow::Darkened, plain), 0);
    EXPECT_EQ(paint(hot, lumo::MenuShadow::Darkened, hotItem), 0);
    EXPECT_TRUE(hotItem.Has("frame [10,0,56,20] 3C8CFB"));
    EXPECT_EQ(paint(selected, lumo::MenuShadow::Darkened, open), 44);
    EXPECT_EQ(std::count_if(open.lines.begin(), open.lines.end(),
                            [](auto& l) { return l.rfind("darken", 0) == 0; }),
              36)
        << "rows 2 to 19, two columns";
    EXPECT_TRUE(open.Has("darken 56,2 1E") && open.Has("darken 57,2 6"));
    EXPECT_EQ(paint(inactive, lumo::MenuShadow::Darkened, stillOpen), 44) << "the gap stays while inactive";
    paint(selected, lumo::MenuShadow::Solid, solid);
    EXPECT_EQ(solid.lines.back(), "pixel 57,19 99A8AC");
}

class FixedWidthMeasurer : public lumo::IMenuTextMeasurer
{
public:
    // 7 pixels a character, 9 in bold; "&" is 5 wide.
    int Extent(std::wstring const& text, bool bold) override
    {
        int width = 0;
        for (wchar_t c : text)
            width += c == L'&' ? 5 : (bold ? 9 : 7);
        return width;
    }
};

TEST(MenuMeasuring, TextWidthDropsTheMnemonicAndAddsFourSpacesForATab)
{
    FixedWidthMeasurer measurer;
    EXPECT_EQ(lumo::MenuItemTextWidth(measurer, L"&Save", false), 28);
    EXPECT_EQ(lumo::MenuItemTextWidth(measurer, L"&Save\tCtrl+S", false), 28 + 7 + 6 * 7 + 28);
    EXPECT_EQ(lumo::MenuItemTextWidth(measurer, L"Save", true), 36);
}
} // namespace
