#include "LumoCtrls/LumoCtrls.h"
#include "w32/GuiObjectCounter.h"
#include "w32/PixelCanvas.h"
#include "w32/TestBitmaps.h"

#include <gtest/gtest.h>

namespace
{
COLORREF const kKey = RGB(255, 0, 255);

// An image whose diagonal stripes alternate between the key colour and a few real colours.
COLORREF ImagePixel(int x, int y)
{
    switch ((x + y) % 4)
    {
    case 0:
        return kKey;
    case 1:
        return RGB(10, 200, 30);
    case 2:
        return RGB(0, 0, 0); // black is an ordinary colour here
    default:
        return RGB(255, 255, 254); // one step away from white, and not the key
    }
}

COLORREF TargetPixel(int x, int y)
{
    return ((x / 3 + y / 3) % 2) != 0 ? RGB(90, 90, 90) : RGB(240, 180, 20);
}

TEST(PaintBitmap, KeyPixelsLeaveTheTargetAndTheOthersCopy)
{
    HBITMAP const bitmap = CreateTestBitmap(24, 16, &ImagePixel);
    PixelCanvas target(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            target.Set(x, y, TargetPixel(x, y));

    // Copy the 20 by 12 part at (4, 2) of the image to (10, 9) of the target.
    PaintBitmap(target.GetDC(), bitmap, kKey, 4, 2, 10, 9, 20, 12);

    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
        {
            bool const inside = x >= 10 && x < 30 && y >= 9 && y < 21;
            COLORREF expected = TargetPixel(x, y);
            if (inside && ImagePixel(x - 10 + 4, y - 9 + 2) != kKey)
                expected = ImagePixel(x - 10 + 4, y - 9 + 2);
            ASSERT_EQ(target.At(x, y), expected) << "at " << x << "," << y;
        }
    DeleteObject(bitmap);
}

TEST(PaintBitmap, ReleasesEverythingItCreatesEvenWhenItCannotDraw)
{
    HBITMAP const bitmap = CreateTestBitmap(8, 8, [](int, int) { return RGB(1, 1, 1); });
    PixelCanvas target(8, 8);
    PaintBitmap(target.GetDC(), bitmap, kKey, 0, 0, 0, 0, 8, 8); // warm-up
    GuiObjectCounts const before = CountGuiObjects();
    for (int i = 0; i < 200; ++i)
    {
        PaintBitmap(target.GetDC(), bitmap, kKey, 0, 0, 0, 0, 8, 8);
        PaintBitmap(target.GetDC(), bitmap, kKey, 0, 0, 0, 0, 0, 8);        // no mask bitmap of width 0
        PaintBitmap(target.GetDC(), nullptr, kKey, 0, 0, 0, 0, 8, 8);       // nothing to select
        PaintBitmap(target.GetDC(), bitmap, kKey, 0, 0, 0, 0, -5, 1 << 20); // no bitmap that large
    }
    EXPECT_EQ(CountGuiObjects(), before);
    EXPECT_EQ(target.At(3, 3), RGB(1, 1, 1));
    DeleteObject(bitmap);
}
} // namespace
