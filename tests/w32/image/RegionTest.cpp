// Regions from bitmaps, compared pixel by pixel with the shape they were drawn from.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/LeakRounds.h"
#include "w32/TestBitmaps.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
COLORREF const kKey = RGB(255, 0, 255);

void ExpectRegionIs(HRGN region, int width, int height, std::function<bool(int, int)> const& inside)
{
    ASSERT_NE(region, nullptr);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(PtInRegion(region, x, y) != 0, inside(x, y)) << "at " << x << "," << y;
    EXPECT_FALSE(PtInRegion(region, width, 0));
    EXPECT_FALSE(PtInRegion(region, 0, height));
}

TEST(RegionFromBitmap, ARingKeepsItsHole)
{
    auto ring = [](int x, int y)
    {
        int const dx = x - 20, dy = y - 15;
        int const d = dx * dx + dy * dy;
        return d <= 14 * 14 && d >= 7 * 7;
    };
    HBITMAP const bitmap =
        CreateTestBitmap(41, 31, [&](int x, int y) { return ring(x, y) ? RGB(0, 90, 0) : kKey; });
    HRGN const region = CreateHRGNFromHBITMAP(bitmap, kKey, 0);
    ExpectRegionIs(region, 41, 31, ring);
    DeleteObject(region);
    DeleteObject(bitmap);
}

TEST(RegionFromBitmap, ACheckerboardNeedsMoreThan2000Rectangles)
{
    // 120 by 120 single pixels: 7200 runs, more than three batches.
    auto dark = [](int x, int y) { return (x + y) % 2 == 0; };
    HBITMAP const bitmap =
        CreateTestBitmap(120, 120, [&](int x, int y) { return dark(x, y) ? RGB(0, 0, 0) : kKey; });
    HRGN const region = CreateHRGNFromHBITMAP(bitmap, kKey, 0);
    ExpectRegionIs(region, 120, 120, dark);
    DeleteObject(region);
    DeleteObject(bitmap);
}

TEST(RegionFromBitmap, AnAllTransparentBitmapGivesAnEmptyRegionAndNoBitmapNone)
{
    HBITMAP const bitmap = CreateTestBitmap(5, 5, [](int, int) { return kKey; });
    HRGN const region = CreateHRGNFromHBITMAP(bitmap, kKey, 0);
    ASSERT_NE(region, nullptr);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
    DeleteObject(region);
    DeleteObject(bitmap);
    EXPECT_EQ(CreateHRGNFromHBITMAP(nullptr, kKey, 0), nullptr);
}

TEST(BitmapFunctions, ABitmapTheyCannotSelectIsAnErrorNotAWrongResult)
{
    // Still selected into a context of the host's: it cannot be selected anywhere else.
    HBITMAP const bitmap =
        CreateTestBitmap(8, 8, [](int x, int) { return x < 4 ? kKey : RGB(255, 255, 255); });
    HDC const host = CreateCompatibleDC(nullptr);
    HGDIOBJ const previous = SelectObject(host, bitmap);
    EXPECT_THROW(CreateHRGNFromHBITMAP(bitmap, RGB(255, 255, 255), 0), CWindowsApiFailed);
    EXPECT_THROW(CLumoImage::CloneBitmap(bitmap), CWindowsApiFailed);
    SelectObject(host, previous);
    DeleteDC(host);
    HRGN const region = CreateHRGNFromHBITMAP(bitmap, RGB(255, 255, 255), 0);
    ExpectRegionIs(region, 8, 8, [](int x, int) { return x < 4; });
    DeleteObject(region);
    DeleteObject(bitmap);
}

TEST(RegionFromBitmap, LeavesNothingBehind)
{
    HBITMAP const bitmap =
        CreateTestBitmap(64, 64, [](int x, int y) { return (x ^ y) & 4 ? kKey : RGB(1, 1, 1); });
    ExpectRoundsLeaveNoHandles([&](int) { DeleteObject(CreateHRGNFromHBITMAP(bitmap, kKey, 0)); });
    DeleteObject(bitmap);
}
} // namespace
