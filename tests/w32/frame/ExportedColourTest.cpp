// The colour functions as a host calls them: through the DLL's exports, against the platform's own
// MulDiv, which they must round exactly as.
#include "LumoCtrls/LumoCtrls.h"

#include <gtest/gtest.h>

namespace
{
COLORREF ExpectedDarken(int factor, COLORREF c)
{
    auto channel = [&](int shift)
    { return static_cast<COLORREF>(MulDiv((c >> shift) & 0xFF, 255 - factor, 255) & 0xFF) << shift; };
    return channel(0) | channel(8) | channel(16);
}

COLORREF ExpectedLighten(int factor, COLORREF c)
{
    auto channel = [&](int shift)
    {
        int const v = (c >> shift) & 0xFF;
        return static_cast<COLORREF>((v + MulDiv(255 - v, factor, 255)) & 0xFF) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

TEST(ExportedColours, DarkenAndLightenRoundLikeThePlatformsMulDiv)
{
    COLORREF x = 0x2468ACE1;
    for (int i = 0; i < 20000; ++i)
    {
        x = x * 1103515245u + 12345u;
        COLORREF const color = x & 0xFFFFFF;
        int const factor = static_cast<int>((x >> 8) % 701) - 200; // also outside 0..255
        ASSERT_EQ(DarkenColor(factor, color), ExpectedDarken(factor, color))
            << factor << " " << std::hex << color;
        ASSERT_EQ(LightenColor(factor, color), ExpectedLighten(factor, color))
            << factor << " " << std::hex << color;
    }
}

TEST(ExportedColourNames, StringsCrossTheLibraryBoundaryBothWays)
{
    // The host builds the argument and frees the result; the library allocates the result.
    COLORREF value = 0;
    EXPECT_TRUE(GetCOLORREFFromName(std::wstring(L"DarkGreen"), value));
    EXPECT_EQ(value, 0x006400u);
    std::wstring const name = GetNameFromCOLORREF(RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(name, L"18, 52, 86");
    std::size_t count = 0;
    EXPECT_NE(GetWebColorTable(count), nullptr);
    EXPECT_EQ(count, 142u);
}
} // namespace
