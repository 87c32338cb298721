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
        lines.push_back("image " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(w) + "x" +
                        std::to_string(h) + (disabled ? " disabled" : ""));
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
        lines.push_back("darken " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(factor));
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

lumo::MenuPalette const kPalette{0x000000, 0x808080, 0xFFFFFF, 0xC56A31, 0xD8E9EC, 0x99A8AC, 0x5BC0FF, 0xFFE0CA};
COLORREF const kBase = DarkenColor(10, 0xFFFFFF); // 0xF5F5F5
Rect const kItem{0, 20, 150, 42};


std::vector<std::string> PaintPopup(lumo::PopupItem const& item, lumo::MenuItemState const& state, int w = 16,
                                    int h = 16)
{
    Recorder recorder;
    lumo::PaintPopupItem(recorder, kItem, item, state, w, h, kPalette);
    return recorder.lines;
}

lumo::PopupItem Item(std::wstring text)
{
    lumo::PopupItem item;
    item.text = std::move(text);
    return item;
}

TEST(PopupItem, ASeparatorIsTheImageColumnAndAHighlightLine)
{
    lumo::PopupItem separator;
    separator.separator = true;
    std::vector<std::string> const expected = {
        "fill [0,20,150,42] " + Hex(kBase),
        "gradient [0,20,22,42] " + Hex(MixedColor(kBase, 0xFFE0CA)) + "->FFE0CA h",
        "fill [26,21,150,41] C56A31",
    };
    EXPECT_EQ(PaintPopup(separator, {}), expected);
}

TEST(PopupItem, TextAndAcceleratorAreSplitAtTheTab)
{
    std::vector<std::string> const lines = PaintPopup(Item(L"&Open\tCtrl+O"), {});
    std::vector<std::string> const expected = {
        "fill [0,20,150,42] " + Hex(kBase),
        "gradient [0,20,22,42] " + Hex(MixedColor(kBase, 0xFFE0CA)) + "->FFE0CA h",
        "text [26,20,135,42] &Open left 000000",
        "text [26,20,135,42] Ctrl+O right 000000",
    };
    EXPECT_EQ(lines, expected);
}

TEST(PopupItem, TheImageColumnWidensWithTheMenusImages)
{
    std::vector<std::string> const lines = PaintPopup(Item(L"Wide"), {}, 32, 24);
    EXPECT_EQ(lines[1].substr(0, 22), "gradient [0,20,38,42] ");
    EXPECT_EQ(lines[2], "text [42,20,135,42] Wide left 000000");
}

TEST(PopupItem, ASelectedItemIsFramedWithThePenAndFilledBeforeItsText)
{
    lumo::MenuItemState selected;
    selected.selected = true;
    std::vector<std::string> const lines = PaintPopup(Item(L"Cut"), selected);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[2], "frame [1,21,149,41] 3C8CFB");
    EXPECT_EQ(lines[3], "fill [2,22,148,40] " + Hex(HLS_TRANSFORM(0x5BC0FF, 50, 0)));
    EXPECT_EQ(lines[4].substr(0, 4), "text");
}

TEST(PopupItem, DisabledOrGrayedTextIsGray)
{
    for (bool disabled : {false, true})
    {
        lumo::MenuItemState state;
        state.disabled = disabled;
        state.grayed = !disabled;
        EXPECT_EQ(PaintPopup(Item(L"Paste"), state)[2], "text [26,20,135,42] Paste left 808080");
    }
}

TEST(PopupItem, ACheckedItemWithAnImageSitsInABoxAndGreysWhenDisabled)
{
    lumo::PopupItem item = Item(L"Bold");
    item.hasImage = true;
    lumo::MenuItemState state;
    state.checked = true;
    EXPECT_EQ(PaintPopup(item, state).back(), "image 2,22 19x19");
    EXPECT_EQ(PaintPopup(item, state)[3], "box [1,21,20,41] C56A31 5BC0FF"); // hint colour

    state.selected = true;
    EXPECT_EQ(PaintPopup(item, state)[5], "box [1,21,20,41] C56A31 " + Hex(HLS_TRANSFORM(0x5BC0FF, -35, 0)));
    state.disabled = true;
    std::vector<std::string> const disabled = PaintPopup(item, state);
    EXPECT_EQ(disabled[5], "box [1,21,20,41] C56A31 " + Hex(HLS_TRANSFORM(0xD8E9EC, 73, 0)));
    EXPECT_EQ(disabled.back(), "image 2,22 19x19 disabled");
    for (std::string const& line : disabled)
        EXPECT_NE(line.rfind("check", 0), 0u) << "an image replaces the check mark";
}

TEST(PopupItem, ACheckedItemWithoutAnImageGetsACheckMarkOrARadioDot)
{
    lumo::MenuItemState checked;
    checked.checked = true;
    EXPECT_EQ(PaintPopup(Item(L"Ruler"), checked).back(), "check 6,25 5BC0FF");

    lumo::PopupItem radio = Item(L"Small");
    radio.radio = true;
    std::vector<std::string> const dot = PaintPopup(radio, checked);
    // Centred between 0 + 16/4 + 2 = 6 and 16 across (11), and in 20..42 down (31).
    ASSERT_GE(dot.size(), 2u);
    EXPECT_EQ(dot[dot.size() - 2], "ellipse [7,28,14,35] 000000");
    EXPECT_EQ(dot.back(), "pixel 12,33 000000");

    checked.disabled = true;
    EXPECT_EQ(PaintPopup(radio, checked).back(), "pixel 12,33 " + Hex(HLS_TRANSFORM(0xD8E9EC, -27, 0)));

    lumo::MenuItemState unchecked;
    std::vector<std::string> const plain = PaintPopup(radio, unchecked);
    for (std::string const& line : plain)
        EXPECT_TRUE(line.rfind("ellipse", 0) != 0 && line.rfind("check", 0) != 0 && line.rfind("box", 0) != 0) << line;
}

TEST(PopupItem, ASubmenuArrowIsFourShrinkingColumns)
{
    lumo::PopupItem item = Item(L"Recent");
    item.opensSubmenu = true;
    Recorder recorder;
    lumo::PaintPopupItem(recorder, kItem, item, {}, 16, 16, kPalette);
    std::vector<std::string> const pixels = recorder.Starting("pixel");
    ASSERT_EQ(pixels.size(), 16u); // 7 + 5 + 3 + 1
    EXPECT_EQ(pixels.front(), "pixel 140,28 000000");
    EXPECT_EQ(pixels[6], "pixel 140,34 000000");
    EXPECT_EQ(pixels[7], "pixel 141,29 000000");
    EXPECT_EQ(pixels.back(), "pixel 143,31 000000"); // the tip

    lumo::MenuItemState grayed;
    grayed.grayed = true;
    Recorder dimmed;
    lumo::PaintPopupItem(dimmed, kItem, item, grayed, 16, 16, kPalette);
    EXPECT_EQ(dimmed.Starting("pixel").front(), "pixel 140,28 808080");
}

std::vector<std::string> PaintBar(lumo::MenuItemState const& state, lumo::MenuShadow shadow, int* dropWidth = nullptr)
{
    Recorder recorder;
    lumo::MenuBarItemResult const result =
        lumo::PaintMenuBarItem(recorder, Rect{10, 0, 60, 20}, L"&File", state, kPalette, shadow);
    EXPECT_EQ(result.painted, (Rect{10, 0, 56, 20}));
    if (dropWidth != nullptr)
        *dropWidth = result.dropWidth;
    return recorder.lines;
}

TEST(MenuBarItem, EachStatePaintsItsOwnBackground)
{
    int drop = -1;
    lumo::MenuItemState normal;
    EXPECT_EQ(PaintBar(normal, lumo::MenuShadow::Darkened, &drop),
              (std::vector<std::string>{"fill [10,0,60,20] FFE0CA", "text [10,0,56,20] &File center 000000"}));
    EXPECT_EQ(drop, 0);

    lumo::MenuItemState hot;
    hot.hot = true;
    EXPECT_EQ(PaintBar(hot, lumo::MenuShadow::Darkened, &drop),
              (std::vector<std::string>{"frame [10,0,56,20] 3C8CFB",
                                        "gradient [11,1,55,19] " + Hex(HLS_TRANSFORM(0x5BC0FF, 70, 0)) + "->" +
                                            Hex(HLS_TRANSFORM(0x5BC0FF, 30, 0)) + " v",
                                        "text [10,0,56,20] &File center 000000"}));
    EXPECT_EQ(drop, 0);

    hot.inactive = true; // an inactive window's menu bar shows no hot item
    EXPECT_EQ(PaintBar(hot, lumo::MenuShadow::Darkened)[0], "fill [10,0,60,20] FFE0CA");
}

TEST(MenuBarItem, TheOpenItemHasNoFrameADropWidthAndAShadow)
{
    lumo::MenuItemState selected;
    selected.selected = true;
    int drop = -1;
    std::vector<std::string> const lines = PaintBar(selected, lumo::MenuShadow::Darkened, &drop);
    EXPECT_EQ(lines[0], "gradient [11,1,55,19] " + Hex(kBase) + "->FFE0CA v");
    EXPECT_EQ(drop, 44);
    std::vector<std::string> darkened;
    for (std::string const& line : lines)
        if (line.rfind("darken", 0) == 0)
            darkened.push_back(line);
    ASSERT_EQ(darkened.size(), 36u); // rows 2 to 19, two columns
    EXPECT_EQ(darkened[0], "darken 56,2 30");
    EXPECT_EQ(darkened[1], "darken 57,2 6");

    std::vector<std::string> const solid = PaintBar(selected, lumo::MenuShadow::Solid);
    EXPECT_EQ(solid.back(), "pixel 57,19 99A8AC");
    EXPECT_EQ(PaintBar(selected, lumo::MenuShadow::None).size(), 2u);
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
    EXPECT_EQ(lumo::MenuItemTextWidth(measurer, L"Save", false), 28);
    EXPECT_EQ(lumo::MenuItemTextWidth(measurer, L"&Save", false), 28);
    EXPECT_EQ(lumo::MenuItemTextWidth(measurer, L"&Save\tCtrl+S", false), 28 + 7 + 6 * 7 + 28);
    EXPECT_EQ(lumo::MenuItemTextWidth(measurer, L"Save", true), 36);
}

TEST(MenuMeasuring, ItemSizes)
{
    lumo::MenuItemSize const given{10, 17};
    lumo::MenuItemSize const bar = lumo::MeasureMenuBarItem(30, given);
    EXPECT_EQ(bar.width, 42);
    EXPECT_EQ(bar.height, 17);
    lumo::MenuItemSize const popup = lumo::MeasurePopupItem(false, 100, 24, 21, given);
    EXPECT_EQ(popup.width, 146);
    EXPECT_EQ(popup.height, 27); // 17 + 21 / 2
    lumo::MenuItemSize const separator = lumo::MeasurePopupItem(true, 100, 24, 21, given);
    EXPECT_EQ(separator.height, 3);
    EXPECT_EQ(separator.width, 10);
}
} // namespace
