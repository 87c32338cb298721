// Gradients read back pixel by pixel through the platform's context: the band fallback (whose arithmetic
// the native tests cover) and the platform's gradient fill, and the two-colour variants.
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

int ChannelDistance(COLORREF a, COLORREF b)
{
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8)
        largest = std::max(
            largest, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return largest;
}

TEST(Gradient, TheBandFallbackLandsOnTheContextAndNothingOutside)
{
    // Width 7: bands of 2 at 0, 2, 4 stepping 0, 100, 200 of 250 red; column 6 keeps the end colour.
    PixelCanvas canvas(9, 5, RGB(1, 2, 3));
    {
        GradientFillUse bands(false);
        CDC dc(canvas.GetDC());
        DrawGradient(dc, RECT{1, 1, 8, 4}, RGB(0, 0, 0), RGB(250, 0, 0), 1);
    }
    COLORREF const row[] = {RGB(1, 2, 3),   RGB(0, 0, 0),   RGB(0, 0, 0),   RGB(100, 0, 0), RGB(100, 0, 0),
                            RGB(200, 0, 0), RGB(200, 0, 0), RGB(250, 0, 0), RGB(1, 2, 3)};
    for (int x = 0; x < 9; ++x)
    {
        EXPECT_EQ(canvas.At(x, 2), row[x]) << x;
        EXPECT_EQ(canvas.At(x, 0), RGB(1, 2, 3)) << x;
    }
}

TEST(Gradient, ThePlatformFillStartsAndEndsOnTheGivenColoursAndLooksLikeTheBands)
{
    ASSERT_TRUE(HasPlatformGradientFill());
    PixelCanvas withFill(64, 64);
    PixelCanvas withBands(64, 64);
    for (auto* canvas : {&withFill, &withBands})
    {
        GradientFillUse use(canvas == &withFill);
        CDC dc(canvas->GetDC());
        DrawGradient(dc, RECT{0, 0, 64, 64}, RGB(255, 0, 0), RGB(0, 0, 255), 0);
    }
    EXPECT_EQ(withFill.At(10, 0), RGB(255, 0, 0));
    EXPECT_LE(ChannelDistance(withFill.At(10, 63), RGB(0, 0, 255)), 4);
    EXPECT_EQ(withFill.At(0, 20), withFill.At(63, 20)); // vertical: rows are flat
    // Bands of 2 pixels stepping about 8 per band: the two ways differ by about one step.
    for (int y = 0; y < 64; ++y)
        ASSERT_LE(ChannelDistance(withFill.At(5, y), withBands.At(5, y)), 9) << y;
}

TEST(Gradient2, TheNeutralVariantRunsFromLightGreyToADarkenedButtonFace)
{
    PixelCanvas neutral(50, 2);
    GradientFillUse bands(false);
    CDC neutralDc(neutral.GetDC());
    DrawGradient2NoLumoInterface(neutralDc, RECT{0, 0, 50, 2}, 143, 240, 200, 120, 1, 1);
    EXPECT_EQ(neutral.At(0, 0), 0xF0F0F0u);
    EXPECT_EQ(neutral.At(49, 0), DarkenColor(45, GetSysColor(COLOR_BTNFACE)));
}
} // namespace
