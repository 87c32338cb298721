// The title header: its class, its gradient in both looks, its title and edges read back as pixels, and
// handles after many headers.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/LeakRounds.h"
#include "w32/PixelCanvas.h"
#include "w32/TestWindows.h"

#include <gtest/gtest.h>

namespace
{
constexpr int kWidth = 240;
constexpr int kHeight = 24;

class TitleHeader : public testing::Test
{
protected:
    static void SetUpTestSuite() { CLumoControls::Instance(); }

    // The header's client area as painted.
    void Capture(PixelCanvas& canvas)
    {
        UpdateWindow(header.GetHWnd());
        HDC const dc = GetDC(header.GetHWnd());
        BitBlt(canvas.GetDC(), 0, 0, kWidth, kHeight, dc, 0, 0, SRCCOPY);
        ReleaseDC(header.GetHWnd(), dc);
    }

    // DrawGradient2 as the header draws it, for the comparison.
    void Reference(PixelCanvas& canvas, int hue, int lightness2)
    {
        CDC dc(canvas.GetDC());
        DrawGradient2(dc, RECT{0, 0, kWidth, kHeight}, hue, 240, 227, lightness2, 0, 1);
    }

    // Whether a band of the header (x from left to right, the rows between the edges) matches the reference.
    static bool SameBand(PixelCanvas const& a, PixelCanvas const& b, int left, int right)
    {
        for (int y = 1; y < kHeight - 1; ++y)
            for (int x = left; x < right; ++x)
                if (a.At(x, y) != b.At(x, y))
                    return false;
        return true;
    }

    CTestParent parent{400, 100};
    CLumoHeader header;
};
} // namespace

TEST_F(TitleHeader, RegisteringTwiceRegistersOnce)
{
    CLumoHeader::Register(); // Instance registered it already
    CLumoHeader::Unregister();
    WNDCLASSW found{};
    EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(L"LumoCtrls.dll"), L"LumoHeaderWnd", &found));
    CLumoHeader::Register();
    EXPECT_TRUE(GetClassInfoW(GetModuleHandleW(L"LumoCtrls.dll"), L"LumoHeaderWnd", &found));
}

TEST_F(TitleHeader, PaintsTheGradientOfEachLookWithItsEdgesAndTitle)
{
    HWND const window = header.Create(parent, L"", 0, 0, kHeight);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ClassOf(window), L"LumoHeaderWnd");
    header.Resize(RECT{0, 10, kWidth, 999});
    RECT placed{};
    GetWindowRect(window, &placed);
    EXPECT_EQ(placed.bottom - placed.top, kHeight) << "the header keeps its own height";

    PixelCanvas painted(kWidth, kHeight), expected(kWidth, kHeight);
    Capture(painted);
    Reference(expected, 143, 202);
    EXPECT_TRUE(SameBand(painted, expected, 1, kWidth - kHeight)) << "an empty title: the gradient only";
    EXPECT_EQ(painted.At(50, 0), RGB(255, 255, 255)) << "top edge";
    EXPECT_EQ(painted.At(0, 12), RGB(255, 255, 255)) << "left edge";
    EXPECT_EQ(painted.At(50, kHeight - 1), GetDarkenThemeColor()) << "bottom edge";

    header.SetSelectionMode(true);
    Capture(painted);
    Reference(expected, 23, 160);
    EXPECT_TRUE(SameBand(painted, expected, 1, kWidth - kHeight)) << "hue 23, second lightness 160";

    header.SetTitle(L"Properties");
    Capture(painted);
    EXPECT_FALSE(SameBand(painted, expected, 10, 80)) << "the title is drawn from x = 10";
    EXPECT_TRUE(SameBand(painted, expected, 1, 9)) << "and not before it";
    EXPECT_EQ(header.GetTitle(), L"Properties");
}

TEST_F(TitleHeader, ManyHeadersLeaveNoHandlesBehind)
{
    ExpectRoundsLeaveNoHandles(
        [&](int)
        {
            CLumoHeader one;
            one.Create(parent, L"Title", 0, 1, kHeight);
            one.Resize(RECT{0, 0, 100, 0});
            UpdateWindow(one.GetHWnd());
        });
}
