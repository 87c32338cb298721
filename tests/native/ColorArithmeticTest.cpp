#include "LumoCtrls/ColorArithmetic.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{
// Every expected value below was worked out by hand from the channel formulas, or is one of the
// library's published theme colours (which are defined through these functions).
struct ColorCase
{
    char const* what;
    COLORREF actual;
    COLORREF expected;
};

void PrintTo(ColorCase const& t, std::ostream* out)
{
    *out << t.what;
}

class ColorArithmeticTest : public testing::TestWithParam<ColorCase>
{
};

TEST_P(ColorArithmeticTest, GivesTheWorkedOutValue)
{
    ColorCase const& t = GetParam();
    EXPECT_EQ(t.actual, t.expected) << t.what << std::hex << ": got 0x" << t.actual << ", expected 0x"
                                    << t.expected;
}

INSTANTIATE_TEST_SUITE_P(
    DarkenAndLighten, ColorArithmeticTest,
    testing::Values(
        ColorCase{"darken 0 keeps the colour, top byte cleared", DarkenColor(0, 0xFF123456), 0x123456},
        ColorCase{"darken 255 is black", DarkenColor(255, 0xFFFFFF), 0},
        ColorCase{"darken 30 rounds each channel", DarkenColor(30, 0x80FF40), 0x71E138},
        ColorCase{"darken -255 wraps to the low byte", DarkenColor(-255, 0x808080), 0},
        ColorCase{"lighten 0 keeps the colour, top byte cleared", LightenColor(0, 0xAA654321), 0x654321},
        ColorCase{"lighten 255 is white", LightenColor(255, 0), 0xFFFFFF},
        ColorCase{"lighten 128 rounds towards white", LightenColor(128, 0x000080), 0x8080C0}));

INSTANTIATE_TEST_SUITE_P(
    Blends, ColorArithmeticTest,
    testing::Values(ColorCase{"mid: the first weighs 70 %", MidColor(0xFFFFFF, 0), 0xB2B2B2},
                    ColorCase{"mid: the second weighs 30 %", MidColor(0, 0xFFFFFF), 0x4C4C4C},
                    ColorCase{"mid ignores top bytes", MidColor(0xFF000000, 0xFF0A0A0A), 0x030303},
                    ColorCase{"mixed: the first weighs 86 %", MixedColor(0xFFFFFF, 0), 0xDBDBDB},
                    ColorCase{"mixed: 14 % of 255 rounds to 36", MixedColor(0, 0xFFFFFF), 0x242424},
                    ColorCase{"mixed: terms rounded apart still add to 255", MixedColor(0xFFFFFF, 0xFFFFFF),
                              0xFFFFFF}));

INSTANTIATE_TEST_SUITE_P(
    RgbToHls, ColorArithmeticTest,
    testing::Values(ColorCase{"black is a grey of hue 160", RGB2HLS(0), 0x0000A0},
                    ColorCase{"white", RGB2HLS(0xFFFFFF), 0x00F0A0},
                    ColorCase{"pure red", RGB2HLS(0x0000FF), 0xF07800},
                    ColorCase{"pure green", RGB2HLS(0x00FF00), 0xF07850},
                    ColorCase{"pure blue", RGB2HLS(0xFF0000), 0xF078A0},
                    ColorCase{"red with a little blue wraps a negative hue", RGB2HLS(0x0A00FF), 0xF078EE},
                    ColorCase{"yellow: a red/green tie goes to red", RGB2HLS(0x00FFFF), 0xF07828},
                    ColorCase{"light red takes the upper saturation branch", RGB2HLS(0x8080FF), 0xF0B400},
                    ColorCase{"top byte ignored", RGB2HLS(0xEE000000), 0x0000A0}));

INSTANTIATE_TEST_SUITE_P(HlsToRgb, ColorArithmeticTest,
                         testing::Values(ColorCase{"white", HLS2RGB(0x00F0A0), 0xFFFFFF},
                                         ColorCase{"pure red", HLS2RGB(0xF07800), 0x0000FF},
                                         ColorCase{"grey without rounding term", HLS2RGB(0x007FA0), 0x868686},
                                         ColorCase{"theme colour", HLS2RGB(0xF0D78F), 0xFFE0CA},
                                         ColorCase{"lightened theme colour", HLS2RGB(0xF0E38F), 0xFFEFE3},
                                         ColorCase{"darkened theme colour",
                                                   DarkenColor(30, HLS2RGB(0xF0B48F)), 0xE1A171}));

INSTANTIATE_TEST_SUITE_P(
    Transform, ColorArithmeticTest,
    testing::Values(
        ColorCase{"lightness up to 255 packs 270 as 14", HLS_TRANSFORM(0xFFFFFF, 100, 0), 0x0E0E0E},
        ColorCase{"half the lightness of red", HLS_TRANSFORM(0x0000FF, -50, 0), 0x000080},
        ColorCase{"hint colour +30 %", HLS_TRANSFORM(0x5BC0FF, 30, 0), 0x95D8FF},
        ColorCase{"hint colour -30 %", HLS_TRANSFORM(0x5BC0FF, -30, 0), 0x0098F2},
        ColorCase{"hint colour +70 %", HLS_TRANSFORM(0x5BC0FF, 70, 0), 0xE3F4FF},
        ColorCase{"no change is a round trip", HLS_TRANSFORM(0x123456, 0, 0), HLS2RGB(RGB2HLS(0x123456))},
        ColorCase{"saturation -100 % gives a grey", HLS_TRANSFORM(0x0000FF, 0, -100), 0x7F7F7F}));

// Factors and percents far outside their meant ranges are computed as the formulas say, in wrapping 32-bit
// arithmetic: defined results (UBSan checks the arithmetic) with the top byte clear.
TEST(ColorArithmetic, ExtremeFactorsAndPercentsGiveDefinedColours)
{
    EXPECT_EQ(DarkenColor(INT_MIN, 0x010203), 0x800181u); // 255 - INT_MIN wraps to -2147483393
    EXPECT_EQ(DarkenColor(INT_MAX, 0xFFFFFF), 0u);
    EXPECT_EQ(LightenColor(INT_MAX, 0x000000), 0xFFFFFFu);
    EXPECT_EQ(HLS_TRANSFORM(0, INT_MAX, 0) >> 24, 0u);
    EXPECT_EQ(HLS_TRANSFORM(0x123456, INT_MIN, INT_MIN) >> 24, 0u);
    EXPECT_EQ(HLS_TRANSFORM(0xFFFFFF, INT_MAX, INT_MAX) >> 24, 0u);
}

TEST(ColorRoundTrip, HlsValuesStayOnTheirScale)
{
    for (COLORREF color = 0; color < 0x1000000; color += 97)
    {
        HLSVALUE const hls = RGB2HLS(color);
        ASSERT_LE(hls & 0xFF, 240u) << std::hex << color;
        ASSERT_LE((hls >> 8) & 0xFF, 240u) << std::hex << color;
        ASSERT_LE((hls >> 16) & 0xFF, 240u) << std::hex << color;
        ASSERT_EQ(hls >> 24, 0u);
    }
}
} // namespace
