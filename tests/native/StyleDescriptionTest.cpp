// The style language: the exact text each level writes of what was set on it.
#include "native/StyleFixtures.h"

#include "LumoControls/TreeGrid/StyleDescription.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using namespace lumo;
using lumo::test::FixedPlatform;
using lumo::test::Narrow;
using lumo::test::RecordingRegistry;

struct DescriptionCase
{
    char const* what;
    std::function<void(ObjStyle&)> set;
    wchar_t const* expected;
};

void PrintTo(DescriptionCase const& c, std::ostream* out)
{
    *out << c.what;
}

class Description : public ::testing::TestWithParam<DescriptionCase>
{
};

TEST_P(Description, WritesExactlyThisText)
{
    FixedPlatform platform;
    RecordingRegistry registry(platform);
    ObjStyle& style = registry.NewObjStyle();
    GetParam().set(style);
    EXPECT_EQ(Narrow(style.Describe()), Narrow(GetParam().expected));
}

PaintStyle& P(ObjStyle& s, VisualState state)
{
    return s.GetOrCreatePaintStyle(state);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, Description,
    testing::Values(
        DescriptionCase{"nothing set", [](ObjStyle&) {}, L""},
        DescriptionCase{"only an empty NORMAL paint style", [](ObjStyle& s) { P(s, kStateNormal); }, L""},
        DescriptionCase{"empty NORMAL then HOVER: no leading comma",
                        [](ObjStyle& s)
                        {
                            P(s, kStateNormal);
                            P(s, kStateHover).SetTextColor(0x0000FF);
                        },
                        L"HOVER{TextColor=#ff}"},
        DescriptionCase{"a trailing empty paint style leaves a comma",
                        [](ObjStyle& s)
                        {
                            P(s, kStateNormal).SetTextColor(0);
                            P(s, kStateFocus);
                        },
                        L"NORMAL{TextColor=#0},"},
        DescriptionCase{"after a trailing comma the next level adds none",
                        [](ObjStyle& s)
                        {
                            P(s, kStateNormal).SetTextColor(0xFF0000);
                            P(s, kStateFocus);
                            s.SetAlignment(4);
                        },
                        L"NORMAL{TextColor=#ff0000},Alignment=Center"},
        DescriptionCase{
            "blocks in the order ALL, NORMAL, HOVER, SELECT, HISELECT, PUSH, FOCUS, DISABLE",
            [](ObjStyle& s)
            {
                for (VisualState state : {kStateDisable, kStateFocus, kStatePush, kStateHiSelect,
                                          kStateSelect, kStateHover, kStateNormal, kStateAll})
                    P(s, state).SetTextColor(state);
            },
            L"ALL{TextColor=#8000},NORMAL{TextColor=#0},HOVER{TextColor=#4},SELECT{TextColor=#8},"
            L"HISELECT{TextColor=#c},PUSH{TextColor=#10},FOCUS{TextColor=#2},DISABLE{TextColor=#1}"}));

INSTANTIATE_TEST_SUITE_P(
    PaintItems, Description,
    testing::Values(
        DescriptionCase{"colours in hexadecimal without leading zeros",
                        [](ObjStyle& s)
                        {
                            P(s, kStateNormal).SetTextColor(0xFFFFFF);
                            P(s, kStateNormal).AddBackgroundColor(0x0000FF, 0xFF0000, 60);
                            P(s, kStateNormal).AddBackgroundColor(0x000001, 0x000001, 40);
                        },
                        L"NORMAL{TextColor=#ffffff,BackgroundColor=[(#ff,#ff0000,60),(#1,#1,40)]}"},
        DescriptionCase{"directions 1 and 3 are horizontal, 2 vertical",
                        [](ObjStyle& s)
                        {
                            P(s, kStateNormal).SetGradientDirection(3);
                            P(s, kStateHover).SetGradientDirection(1);
                            P(s, kStateSelect).SetGradientDirection(2);
                        },
                        L"NORMAL{HorizontalGradient},HOVER{HorizontalGradient},SELECT{VerticalGradient}"},
        DescriptionCase{"image items and the crop's trailing comma",
                        [](ObjStyle& s)
                        {
                            PaintStyle& p = P(s, kStateNormal);
                            p.SetImage(L"my logo");
                            p.SetImageFill(4);
                            p.SetImageAlign(9);
                            p.SetImageOffset(Point{-2, 0});
                            p.SetCrop(Rect{1, 2, 30, 40});
                        },
                        L"NORMAL{Image=(my logo),ImageFill=RepeatHorizontal,ImageAlign=Right.Bottom,"
                        L"ImageOffset=(-2,0),Crop=(1,2,30,40,)}"},
        DescriptionCase{"a crop of zero width and words out of range",
                        [](ObjStyle& s)
                        {
                            PaintStyle& p = P(s, kStateNormal);
                            p.SetCrop(Rect{5, 5, 5, 10});
                            p.SetImageFill(7);
                            p.SetImageAlign(10);
                        },
                        L"NORMAL{ImageFill=,ImageAlign=}"},
        DescriptionCase{"all four sides on one name",
                        [](ObjStyle& s) { P(s, kStateNormal).SetBorder(L"gray-border", kSideAll); },
                        L"NORMAL{BorderDefs=(All=gray-border)}"},
        DescriptionCase{"a vertical pair and one top",
                        [](ObjStyle& s)
                        {
                            P(s, kStateNormal).SetBorder(L"a", kSideLeft | kSideRight);
                            P(s, kStateNormal).SetBorder(L"b", kSideTop);
                        },
                        L"NORMAL{BorderDefs=(Vertical=a|Top=b)}"},
        DescriptionCase{"pairs that do not join into All",
                        [](ObjStyle& s)
                        {
                            PaintStyle& p = P(s, kStateNormal);
                            p.SetBorder(L"gray-border", kSideLeft | kSideRight | kSideTop);
                            p.SetBorder(L"blue-border", kSideBottom);
                        },
                        L"NORMAL{BorderDefs=(Vertical=gray-border|Top=gray-border|Bottom=blue-border)}"},
        DescriptionCase{"single sides in their order",
                        [](ObjStyle& s)
                        {
                            P(s, kStateNormal).SetBorder(L"r", kSideRight);
                            P(s, kStateNormal).SetBorder(L"t", kSideTop);
                            P(s, kStateNormal).SetBorder(L"btm", kSideBottom);
                        },
                        L"NORMAL{BorderDefs=(Right=r|Top=t|Bottom=btm)}"},
        DescriptionCase{"a font of the paint style",
                        [](ObjStyle& s)
                        {
                            FontSpec font;
                            font.height = -12; // 9 points at 96 dots per inch
                            font.weight = 700;
                            font.italic = true;
                            font.face = L"Tahoma";
                            P(s, kStateNormal).SetFont(font);
                        },
                        L"NORMAL{Font=[Tahoma,9,700,Italic]}"}));

INSTANTIATE_TEST_SUITE_P(
    StyleItems, Description,
    testing::Values(
        DescriptionCase{"padding with unset sides and the radius",
                        [](ObjStyle& s)
                        {
                            s.StorePadding(Rect{4, -1, -1, -1});
                            s.StoreBorderRadius(0);
                        },
                        L"Padding=(4,-1,-1,-1),BorderRadius=0"},
        DescriptionCase{"cursor words and a cursor out of range", [](ObjStyle& s) { s.SetCursor(6); },
                        L"Cursor="},
        DescriptionCase{"every style item in order",
                        [](ObjStyle& s)
                        {
                            s.SetSelectionMode(7);
                            s.SetIconPosition(4);
                            s.SetOffsetTextIcon(kStateHover, Point{2, 2});
                            s.SetOffsetTextIcon(kStateNormal, Point{1, 1});
                            s.SetSpaceTextIcon(0); // equals the effective value: not set
                            s.SetSpaceTextIcon(3);
                            s.SetMirrorEffect(true);
                            s.SetAlignment(2);
                            s.SetCursor(2);
                        },
                        L"Cursor=Hand,Alignment=Left.Top,MirrorEffect,SpaceTextIcon=3,"
                        L"OffsetTextIcon=[(NORMAL:1,1)(HOVER:2,2)],IconPosition=Right,"
                        L"SelectionMode=(Item,Control)"},
        DescriptionCase{"offsets with a zero coordinate are not written",
                        [](ObjStyle& s) {
                            s.SetOffsetTextIcon(kStateNormal, Point{0, 5});
                        },
                        L"OffsetTextIcon=[]"},
        DescriptionCase{"offsets of FOCUS and PUSH are never written; ALL and HOVER_SELECTED are",
                        [](ObjStyle& s)
                        {
                            s.SetOffsetTextIcon(kStateFocus, Point{1, 1});
                            s.SetOffsetTextIcon(kStatePush, Point{1, 1});
                            s.SetOffsetTextIcon(kStateAll, Point{4, 4});
                            s.SetOffsetTextIcon(kStateHiSelect, Point{3, 3});
                            s.SetOffsetTextIcon(kStateDisable, Point{-1, 2});
                            s.SetOffsetTextIcon(kStateSelect, Point{5, 6});
                        },
                        L"OffsetTextIcon=[(DISABLED:-1,2)(SELECTED:5,6)(HOVER_SELECTED:3,3)(ALL:4,4)]"},
        DescriptionCase{"a mirror set to false is not written", [](ObjStyle& s) { s.SetMirrorEffect(false); },
                        L""},
        DescriptionCase{"selection modes without a word", [](ObjStyle& s) { s.SetSelectionMode(5); },
                        L"SelectionMode=()"},
        DescriptionCase{"object items: control, activation, read-only",
                        [](ObjStyle& s)
                        {
                            s.SetReadOnly(true);
                            s.SetActivation(5);
                            s.SetControlKind(13);
                        },
                        L"Control=FloatEdit,Activation=OnDblClick,ReadOnly=1"},
        DescriptionCase{"plain text writes the control key alone", [](ObjStyle& s) { s.SetControlKind(2); },
                        L"Control="},
        DescriptionCase{"every level in one text",
                        [](ObjStyle& s)
                        {
                            s.GetOrCreatePaintStyle(kStateAll).SetTextColor(0x8000);
                            s.StorePadding(Rect{1, 2, 3, 4});
                            s.SetAlignment(7);
                            s.SetControlKind(7);
                        },
                        L"ALL{TextColor=#8000},Padding=(1,2,3,4),Alignment=Right,Control=CheckBox"}));

struct FontCase
{
    int height;
    int width;
    int weight;
    bool italic;
    bool underline;
    wchar_t const* face;
    int dpi;
    wchar_t const* expected;
};

class FontText : public ::testing::TestWithParam<FontCase>
{
};

TEST_P(FontText, IsFaceSizeWeightAndStyleWords)
{
    FontCase const& c = GetParam();
    FixedPlatform platform;
    platform.dpi = c.dpi;
    FontSpec font;
    font.height = c.height;
    font.width = c.width;
    font.weight = c.weight;
    font.italic = c.italic;
    font.underline = c.underline;
    font.face = c.face;
    EXPECT_EQ(Narrow(DescribeFont(font, platform)), Narrow(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FontText,
    testing::Values(
        // At 720 dots per inch a character height is tenths of a point itself.
        FontCase{-80, 0, 400, false, false, L"Tahoma", 720, L"Tahoma,8,400,Regular"},
        FontCase{-85, 0, 700, true, false, L"Tahoma", 720, L"Tahoma,8.5,700,Italic"},
        FontCase{-96, 0, 400, false, true, L"Tahoma", 720, L"Tahoma,10,400,Underline"},
        FontCase{-84, 0, 400, false, false, L"Tahoma", 720, L"Tahoma,8.5,400,Regular"}, // 8.4 rounds to 8.5
        FontCase{-11, 0, 400, false, false, L"Tahoma", 96, L"Tahoma,8.5,400,Regular"},  // 82.5 tenths
        FontCase{0, 0, 400, false, false, L"Arial", 96, L"Arial,0,400,Regular"},
        FontCase{13, 0, 400, true, true, L"Tahoma", 96, L"Tahoma,13px,400,0,Italic Underline"},
        FontCase{13, 6, 300, false, false, L"Tahoma", 96, L"Tahoma,13px,300,6,Regular"},
        FontCase{-80, 0, 400, false, false, L"MS Shell Dlg", 720, L"Ms Sans Serif,8,400,Regular"},
        FontCase{-80, 0, 400, false, false, L"ms shell dlg", 720, L"ms shell dlg,8,400,Regular"}));

TEST(FontText, ALongFaceIsCutAt255Characters)
{
    FixedPlatform platform;
    FontSpec font;
    font.height = 10;
    font.face = std::wstring(300, L'x');
    EXPECT_EQ(DescribeFont(font, platform).size(), 255u);
}

TEST(ColourText, IsTheValueInLowerCaseHexadecimal)
{
    EXPECT_EQ(Narrow(ColorDigits(0x0000FF)), "ff");
    EXPECT_EQ(Narrow(ColorDigits(0xFF0000)), "ff0000");
    EXPECT_EQ(Narrow(ColorDigits(0)), "0");
    EXPECT_EQ(Narrow(ColorDigits(0xFFFFFFFF)), "ffffffff");
}

TEST(DescriptionLevels, ADrawStyleWritesNoStyleItems)
{
    FixedPlatform platform;
    RecordingRegistry registry(platform);
    DrawStyle& draw = registry.NewDrawStyle();
    draw.SetCursor(5);
    draw.GetOrCreatePaintStyle(kStatePush).SetImage(L"x");
    EXPECT_EQ(Narrow(draw.Describe()), "PUSH{Image=(x)},Cursor=No");
    Style& style = registry.NewStyle();
    style.SetAlignment(3);
    EXPECT_EQ(Narrow(style.Describe()), "Alignment=Left.Bottom");
}
} // namespace
