// Sweeps over every one of the 2^24 colour values. They run in the optimised native build (under the
// sanitizers they take minutes); everything else runs under the sanitizers.
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/ColorNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{
int ChannelDistance(COLORREF a, COLORREF b)
{
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8)
    {
        int const d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        largest = d > largest ? d : largest;
    }
    return largest;
}

TEST(ColorRoundTrip, EveryColourComesBackThroughHlsWithinTheMeasuredBound)
{
    // HLS has 241 steps per component against RGB's 256, so a round trip cannot be exact; the bound is
    // the largest difference measured over all 2^24 colours. A change in either conversion moves it.
    constexpr int kMeasuredBound = 5; // reached first by 0x05E4F9
    int largest = 0;
    COLORREF worst = 0;
    for (COLORREF color = 0; color < 0x1000000; ++color)
    {
        int const d = ChannelDistance(color, HLS2RGB(RGB2HLS(color)));
        if (d > largest)
        {
            largest = d;
            worst = color;
        }
    }
    EXPECT_EQ(largest, kMeasuredBound) << "worst colour 0x" << std::hex << worst;
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
