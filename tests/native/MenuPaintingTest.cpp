#include "LumoControls/LumoControls/MenuPainting.h"
#include "LumoCtrls/ColorArithmetic.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
using lumo::Rect;

std::string Hex(COLORREF c)
{
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%06X", c);
    return buffer;
}

std::string At(Rect const& r)
{
    std::ostringstream out;
    out << "[" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "]";
    return out.str();
}

// Records each painting call as one line of text, so that expectations read like the painting itself.
class Recorder : public lumo::IMenuCanvas
{
public:
    Recorder() = default;
    explicit Recorder(std::vector<std::string> recorded) : lines(std::move(recorded)) {}

    void Fill(Rect const& r, COLORREF c) override { lines.push_back("fill " + At(r) + " " + Hex(c)); }
    void Gradient(Rect const& r, COLORREF from, COLORREF to, bool horizontal) override
    {
        lines.push_back("gradient " + At(r) + " " + Hex(from) + "->" + Hex(to) + (horizontal ? " h" : " v"));
    }
    void Frame(Rect const& r, COLORREF pen) override { lines.push_back("frame " + At(r) + " " + Hex(pen)); }
    void Box(Rect const& r, COLORREF pen, COLORREF brush) override
    {
        lines.push_back("box " + At(r) + " " + Hex(pen) + " " + Hex(brush));
    }
    void Text(Rect const& r, std::wstring const& text, lumo::MenuTextAlign align, COLORREF c) override
    {
        char const* const names[] = {"left", "right", "center"};
        lines.push_back("text " + At(r) + " " + std::string(text.begin(), text.end()) + " " +
                        names[static_cast<int>(align)] + " " + Hex(c));
    }
    void Image(int x, int y, int w, int h, bool disabled) override
    {
        lines.push_back("image " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(w) +
                        "x" + std::to_string(h) + (disabled ? " disabled" : ""));
    }
    void CheckMark(int x, int y, COLORREF background) override
    {
        lines.push_back("check " + std::to_string(x) + "," + std::to_string(y) + " " + Hex(background));
    }
    void Ellipse(Rect const& r, COLORREF c) override { lines.push_back("ellipse " + At(r) + " " + Hex(c)); }
    void Pixel(int x, int y, COLORREF c) override
    {
        lines.push_back("pixel " + std::to_string(x) + "," + std::to_string(y) + " " + Hex(c));
    }
    void DarkenPixel(int x, int y, int factor) override
    {
        lines.push_back("darken " + std::to_string(x) + "," + std::to_string(y) + " " +
                        std::to_string(factor));
    }

    std::vector<std::string> Starting(std::string const& prefix) const
    {
        std::vector<std::string> found;
        for (std::string const& line : lines)
            if (line.rfind(prefix, 0) == 0)
                found.push_back(line);
        return found;
    }

    std::vector<std::string> lines;
};

lumo::MenuPalette const kPalette{0x000000, 0x808080, 0xFFFFFF, 0xC56A31,
                                 0xD8E9EC, 0x99A8AC, 0x5BC0FF, 0xFFE0CA};
Rect const kItem{0, 20, 150, 42};

std::vector<std::string> PaintPopup(lumo::PopupItem const& item, lumo::MenuItemState const& state)
{
    Recorder recorder;
    lumo::PaintPopupItem(recorder, kItem, item, state, 16, 16, kPalette);
    return recorder.lines;
}

lumo::PopupItem Item(std::wstring text)
{
    lumo::PopupItem item;
    item.text = std::move(text);
    return item;
}

// The pixel tests under Wine check the painting as a whole; these pin the geometry that is computed here.
TEST(PopupItem, EachStatePaintsItsParts)
{
    lumo::PopupItem separator;
    separator.separator = true;
    EXPECT_EQ(PaintPopup(separator, {}).back(), "fill [26,21,150,41] C56A31");
    lumo::MenuItemState state;
    state.selected = true;
    std::vector<std::string> lines = PaintPopup(Item(L"Cut"), state);
    EXPECT_EQ(lines[2], "frame [1,21,149,41] 3C8CFB");
    EXPECT_EQ(lines[3], "fill [2,22,148,40] " + Hex(HLS_TRANSFORM(0x5BC0FF, 50, 0)));
    state.checked = true;
    lumo::PopupItem image = Item(L"Bold");
    image.hasImage = true;
    EXPECT_EQ(PaintPopup(image, state)[5], "box [1,21,20,41] C56A31 " + Hex(HLS_TRANSFORM(0x5BC0FF, -35, 0)));
    state = lumo::MenuItemState{};
    state.checked = true;
    EXPECT_EQ(PaintPopup(Item(L"Ruler"), state).back(), "check 6,25 5BC0FF");
    state.disabled = true;
    EXPECT_EQ(PaintPopup(Item(L"Ruler"), state)[3],
              "box [1,21,20,41] C56A31 " + Hex(HLS_TRANSFORM(0xD8E9EC, 73, 0)));
}

TEST(PopupItem, TextAndAcceleratorAreSplitAtTheTabRightOfTheImageColumn)
{
    std::vector<std::string> const lines = PaintPopup(Item(L"&Open\tCtrl+O"), {});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "text [26,20,135,42] &Open left 000000");
    EXPECT_EQ(lines[3], "text [26,20,135,42] Ctrl+O right 000000");
}

TEST(PopupItem, ARadioDotIsCentredBetweenItsEdgesAndAnImageReplacesTheMark)
{
    lumo::MenuItemState checked;
    checked.checked = true;
    lumo::PopupItem radio = Item(L"Small");
    radio.radio = true;
    std::vector<std::string> const dot = PaintPopup(radio, checked);
    // Centred between 0 + 16/4 + 2 = 6 and 16 across (11), and in 20..42 down (31).
    ASSERT_GE(dot.size(), 2u);
    EXPECT_EQ(dot[dot.size() - 2], "ellipse [7,28,14,35] 000000");
    EXPECT_EQ(dot.back(), "pixel 12,33 000000");

    lumo::PopupItem image = Item(L"Bold");
    image.hasImage = true;
    checked.disabled = true;
    std::vector<std::string> const lines = PaintPopup(image, checked);
    EXPECT_EQ(lines.back(), "image 2,22 19x19 disabled");
    EXPECT_TRUE(Recorder{lines}.Starting("check").empty());
}

TEST(PopupItem, ASubmenuArrowIsFourShrinkingColumns)
{
    lumo::PopupItem item = Item(L"Recent");
    item.opensSubmenu = true;
    std::vector<std::string> const pixels = Recorder{PaintPopup(item, {})}.Starting("pixel");
    ASSERT_EQ(pixels.size(), 16u); // 7 + 5 + 3 + 1
    EXPECT_EQ(pixels.front(), "pixel 140,28 000000");
    EXPECT_EQ(pixels[7], "pixel 141,29 000000");
    EXPECT_EQ(pixels.back(), "pixel 143,31 000000"); // the tip
}

int DropWidthOf(lumo::MenuItemState const& state, std::vector<std::string>* lines = nullptr)
{
    Recorder recorder;
    lumo::MenuBarItemResult const result = lumo::PaintMenuBarItem(
        recorder, Rect{10, 0, 60, 20}, L"&File", state, kPalette, lumo::MenuShadow::Darkened);
    EXPECT_EQ(result.painted, (Rect{10, 0, 56, 20}));
    if (lines != nullptr)
        *lines = recorder.lines;
    return result.dropWidth;
}

TEST(MenuBarItem, ASelectedItemLeavesAGapOfItsInnerWidthAndCastsAShadow)
{
    lumo::MenuItemState state;
    EXPECT_EQ(DropWidthOf(state), 0);
    state.hot = true;
    EXPECT_EQ(DropWidthOf(state), 0);
    state = lumo::MenuItemState{};
    state.selected = true;
    std::vector<std::string> lines;
    EXPECT_EQ(DropWidthOf(state, &lines), 44);
    std::vector<std::string> const darkened = Recorder{lines}.Starting("darken");
    ASSERT_EQ(darkened.size(), 36u); // rows 2 to 19, two columns
    EXPECT_EQ(darkened[0], "darken 56,2 30");
    EXPECT_EQ(darkened[1], "darken 57,2 6");
    state.inactive = true; // the gap stays while the window is inactive
    EXPECT_EQ(DropWidthOf(state), 44);

    Recorder solid;
    state = lumo::MenuItemState{};
    state.selected = true;
    lumo::PaintMenuBarItem(solid, Rect{10, 0, 60, 20}, L"&File", state, kPalette, lumo::MenuShadow::Solid);
    EXPECT_EQ(solid.lines.back(), "pixel 57,19 99A8AC");
    state = lumo::MenuItemState{};
    state.hot = true;
    DropWidthOf(state, &lines);
    EXPECT_EQ(lines[0], "frame [10,0,56,20] 3C8CFB");
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
