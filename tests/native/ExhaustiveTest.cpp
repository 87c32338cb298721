// Sweeps over every one of the 2^24 colour values. They run in the optimised native build (under the
// sanitizers they take minutes); everything else runs under the sanitizers.
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/ColorNames.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(ColorArithmetic, EveryColourConvertsOnTheHlsScaleAndTransformsLikeARoundTrip)
{
    for (COLORREF color = 0; color < 0x1000000; ++color)
    {
        HLSVALUE const hls = RGB2HLS(color);
        int const hue = hls & 0xFF, lightness = (hls >> 8) & 0xFF, saturation = (hls >> 16) & 0xFF;
        ASSERT_TRUE(hls >> 24 == 0 && hue <= 240 && lightness <= 240 && saturation <= 240) << color;
        bool const grey = (color & 0xFF) == ((color >> 8) & 0xFF) && (color & 0xFF) == (color >> 16);
        ASSERT_EQ(saturation == 0, grey) << color;
        ASSERT_TRUE(!grey || hue == 160) << color;
        ASSERT_EQ(RGB2HLS(color | 0xFF000000u), hls) << "only the three colour bytes are read";
        COLORREF const back = HLS2RGB(hls);
        ASSERT_EQ(back >> 24, 0u);
        ASSERT_EQ(HLS_TRANSFORM(color, 0, 0), back) << color;
    }
}

TEST(ColorNames, EveryColourValueComesBackFromItsName)
{
    for (COLORREF value = 0; value < 0x1000000; ++value)
    {
        COLORREF out = 0;
        std::wstring const name = GetNameFromCOLORREF(value);
        ASSERT_TRUE(GetCOLORREFFromName(name, out)) << value;
        ASSERT_EQ(out, value);
    }
}
} // namespace
