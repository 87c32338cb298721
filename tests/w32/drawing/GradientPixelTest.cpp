// Gradients read back pixel by pixel: the band fallback exactly as its formula gives, the platform's
// gradient fill close to it, and the two-segment and neutral variants.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/PixelCanvas.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// Switches the platform's gradient fill for one scope.
class GradientFillUse
{
public:
    explicit GradientFillUse(bool use) : m_previous(EnablePlatformGradientFill(use)) {}
    ~GradientFillUse() { EnablePlatformGradientFill(m_previous); }

private:
    bool m_previous;
};

// The band formula, written out independently of the library: band i of a run of n takes
// start + MulDiv(end - start, i, n) per channel (start itself for n = 0).
COLORREF BandColour(COLORREF start, COLORREF end, int i, int n)
{
    if (n == 0)
        return start;
    auto channel = [&](int shift)
    {
        int const s = (start >> shift) & 0xFF;
        int const e = (end >> shift) & 0xFF;
        return static_cast<COLORREF>((s + MulDiv(e - s, i, n)) & 0xFF) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

// The colour that the band fallback of DrawGradient leaves at an offset along a run of `span` pixels.
COLORREF ExpectedAtOffset(COLORREF start, COLORREF end, int offset, int span)
{
    int const n = span - 2;
    int const band = offset - offset % 2;
    return n >= 0 && band <= n ? BandColour(start, end, band, n) : end;
}

struct GradientCase
{
    char const* what;
    int width;
    int height;
    bool horizontal;
};

void PrintTo(GradientCase const& c, std::ostream* out)
{
    *out << c.what;
}

class BandFallback : public testing::TestWithParam<GradientCase>
{
};

TEST_P(BandFallback, EveryPixelIsTheBandFormula)
{
    GradientCase const& c = GetParam();
    COLORREF const start = RGB(250, 10, 128);
    COLORREF const end = RGB(3, 200, 129);
    PixelCanvas canvas(c.width + 4, c.height + 4, RGB(1, 2, 3));
    {
        GradientFillUse bands(false);
        CDC dc(canvas.GetDC());
        DrawGradient(dc, RECT{2, 2, 2 + c.width, 2 + c.height}, start, end, c.horizontal ? 1 : 0);
    }
    int const span = c.horizontal ? c.width : c.height;
    for (int y = 0; y < canvas.GetHeight(); ++y)
        for (int x = 0; x < canvas.GetWidth(); ++x)
        {
            bool const inside = x >= 2 && y >= 2 && x < 2 + c.width && y < 2 + c.height;
            COLORREF const expected =
                inside ? ExpectedAtOffset(start, end, c.horizontal ? x - 2 : y - 2, span) : RGB(1, 2, 3);
            ASSERT_EQ(canvas.At(x, y), expected) << "at " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Shapes, BandFallback,
                         testing::Values(GradientCase{"horizontal, even run", 40, 5, true},
                                         GradientCase{"horizontal, odd run", 41, 3, true},
                                         GradientCase{"vertical, even run", 4, 30, false},
                                         GradientCase{"vertical, odd run", 5, 17, false},
                                         GradientCase{"run of two: n = 0", 2, 6, true},
                                         GradientCase{"run of one: only the end fill", 1, 6, true},
                                         GradientCase{"vertical run of one", 6, 1, false}));

int ChannelDistance(COLORREF a, COLORREF b)
{
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8)
        largest = std::max(
            largest, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return largest;
}

// Draws one gradient both ways and returns the largest channel difference between them.
template <class Draw> int LargestDifferenceBetweenPaths(int width, int height, Draw&& draw)
{
    PixelCanvas withFill(width, height);
    PixelCanvas withBands(width, height);
    {
        GradientFillUse use(true);
        CDC dc(withFill.GetDC());
        draw(dc);
    }
    {
        GradientFillUse use(false);
        CDC dc(withBands.GetDC());
        draw(dc);
    }
    int largest = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            largest = std::max(largest, ChannelDistance(withFill.At(x, y), withBands.At(x, y)));
    return largest;
}

TEST(PlatformGradientFill, IsFoundAtLoadAndLooksLikeTheBands)
{
    ASSERT_TRUE(HasPlatformGradientFill());
    // A run of 100 from 0 to 200 steps 4 per band of 2 pixels: the two ways may differ by about a band
    // (measured under Wine: 4).
    int const difference = LargestDifferenceBetweenPaths(
        100, 6,
        [](CDCBase& dc) {
            DrawGradient(dc, RECT{0, 0, 100, 6}, RGB(0, 0, 0), RGB(200, 100, 50), 1);
        });
    EXPECT_LE(difference, 4);
}

TEST(PlatformGradientFill, StartsAndEndsOnTheGivenColours)
{
    PixelCanvas canvas(64, 64);
    GradientFillUse use(true);
    CDC dc(canvas.GetDC());
    DrawGradient(dc, RECT{0, 0, 64, 64}, RGB(255, 0, 0), RGB(0, 0, 255), 0);
    EXPECT_EQ(canvas.At(10, 0), RGB(255, 0, 0));
    EXPECT_LE(ChannelDistance(canvas.At(10, 63), RGB(0, 0, 255)), 4);
    EXPECT_EQ(canvas.At(0, 20), canvas.At(63, 20)); // vertical: rows are flat
}

TEST(Gradient, EqualColoursPaintOneFlatColourBothWays)
{
    for (bool use : {false, true})
    {
        PixelCanvas canvas(30, 10);
        GradientFillUse fill(use);
        CDC dc(canvas.GetDC());
        DrawGradient(dc, RECT{0, 0, 30, 10}, RGB(12, 34, 56), RGB(12, 34, 56), 1);
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(canvas.At(x, 5), RGB(12, 34, 56))
                << x << (use ? " with" : " without") << " gradient fill";
    }
}

TEST(Gradient2, ModeOneEqualsTheLinearGradientOfTheHlsColoursBothWays)
{
    for (bool use : {false, true})
        for (int horizontal : {0, 1})
        {
            PixelCanvas twoSegment(37, 23);
            PixelCanvas linear(37, 23);
            GradientFillUse fill(use);
            {
                CDC dc(twoSegment.GetDC());
                DrawGradient2(dc, RECT{0, 0, 37, 23}, 143, 240, 215, 180, horizontal, 1);
            }
            {
                CDC dc(linear.GetDC());
                DrawGradient(dc, RECT{0, 0, 37, 23}, HLS2RGB(143 | 215 << 8 | 240 << 16),
                             HLS2RGB(143 | 180 << 8 | 240 << 16), horizontal);
            }
            for (int y = 0; y < 23; ++y)
                for (int x = 0; x < 37; ++x)
                    ASSERT_EQ(twoSegment.At(x, y), linear.At(x, y)) << x << "," << y;
        }
}

TEST(Gradient2, ModeTwoBandsRunTowardsTheMiddleColourFromBothSides)
{
    COLORREF const first = HLS2RGB(143 | 200 << 8 | 240 << 16);
    COLORREF const second = HLS2RGB(143 | 120 << 8 | 240 << 16);
    COLORREF const middle = HLS2RGB(147 | 160 << 8 | 240 << 16);
    int const span = 40; // n = 38, boundary 15
    PixelCanvas canvas(span, 3);
    {
        GradientFillUse bands(false);
        CDC dc(canvas.GetDC());
        DrawGradient2(dc, RECT{0, 0, span, 3}, 143, 240, 200, 120, 1, 2);
    }
    for (int x = 0; x < span; ++x)
    {
        int const band = x - x % 2;
        COLORREF const expected = band <= 15 ? BandColour(first, middle, band, span - 2)
                                             : BandColour(second, middle, band, span - 2);
        ASSERT_EQ(canvas.At(x, 1), expected) << x;
    }
}

TEST(Gradient2, ModeTwoWithThePlatformFillMeetsAtThreeEighths)
{
    COLORREF const first = HLS2RGB(143 | 200 << 8 | 240 << 16);
    COLORREF const second = HLS2RGB(143 | 120 << 8 | 240 << 16);
    PixelCanvas canvas(3, 80);
    GradientFillUse fill(true);
    CDC dc(canvas.GetDC());
    DrawGradient2(dc, RECT{0, 0, 3, 80}, 143, 240, 200, 120, 0, 2);
    EXPECT_EQ(canvas.At(1, 0), first);   // the near edge of the first segment
    EXPECT_EQ(canvas.At(1, 30), second); // the near edge of the second, at 80 * 3 / 8
}

TEST(Gradient2, TheNeutralVariantRunsFromLightGreyToADarkenedButtonFace)
{
    COLORREF const darkFace = DarkenColor(45, GetSysColor(COLOR_BTNFACE));
    PixelCanvas canvas(50, 2);
    GradientFillUse bands(false);
    CDC dc(canvas.GetDC());
    DrawGradient2NoLumoInterface(dc, RECT{0, 0, 50, 2}, 143, 240, 200, 120, 1, 1);
    for (int x = 0; x < 50; ++x)
        ASSERT_EQ(canvas.At(x, 0), ExpectedAtOffset(0xF0F0F0, darkFace, x, 50)) << x;
}
} // namespace
