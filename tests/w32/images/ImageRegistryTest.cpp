#include "LumoCtrls/LumoCtrls.h"
#include "w32/TestWindows.h"
#include "w32/GuiObjectCounter.h"
#include "w32/PixelCanvas.h"
#include "w32/TestBitmaps.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

namespace
{
COLORREF const kMagenta = RGB(255, 0, 255);

HBITMAP SolidBitmap(int width, int height, COLORREF color)
{
    return CreateTestBitmap(width, height, [color](int, int) { return color; });
}

COLORREF TargetPattern(int x, int y)
{
    return (x + y) % 2 != 0 ? RGB(10, 20, 30) : RGB(200, 210, 220);
}

void FillPattern(PixelCanvas& canvas)
{
    for (int y = 0; y < canvas.GetHeight(); ++y)
        for (int x = 0; x < canvas.GetWidth(); ++x)
            canvas.Set(x, y, TargetPattern(x, y));
}

bool CanvasIsUntouched(PixelCanvas const& canvas)
{
    for (int y = 0; y < canvas.GetHeight(); ++y)
        for (int x = 0; x < canvas.GetWidth(); ++x)
            if (canvas.At(x, y) != TargetPattern(x, y))
                return false;
    return true;
}

class ImageRegistry : public testing::Test
{
protected:
    void SetUp() override { CLibraryImages::Reset(); }
    void TearDown() override { CLibraryImages::Reset(); }
    CLibraryImages& Registry() { return CLibraryImages::Get(); }
};

TEST_F(ImageRegistry, ABitmapIdentifierKeepsItsFirstImage)
{
    HBITMAP const red = SolidBitmap(8, 6, RGB(255, 0, 0));
    HBITMAP const blue = SolidBitmap(4, 4, RGB(0, 0, 255));
    EXPECT_EQ(Registry().AddBitmapWithID(100, red, 0, 0, kMagenta), 1);
    HBITMAP const registered = Registry().BitmapFromID(100);
    ASSERT_NE(registered, nullptr);
    EXPECT_NE(registered, red) << "the registry keeps a private copy";

    EXPECT_EQ(Registry().AddBitmapWithID(100, blue, 4, 4, kMagenta), 0);
    EXPECT_EQ(Registry().BitmapFromID(100), registered);
    int width = -1, height = -1;
    EXPECT_EQ(Registry().GetImageSize(100, width, height), 1);
    EXPECT_EQ(width, 8);
    EXPECT_EQ(height, 6);
    EXPECT_EQ(ReadBitmapPixels(registered).At(0, 0), RGB(255, 0, 0));

    int untouchedWidth = 77, untouchedHeight = 88;
    EXPECT_EQ(Registry().GetImageSize(101, untouchedWidth, untouchedHeight), 0);
    EXPECT_EQ(untouchedWidth, 77);
    EXPECT_EQ(untouchedHeight, 88);
    DeleteObject(red);
    DeleteObject(blue);
}

HICON GreenSquareIcon(int size)
{
    // Green inside, transparent on the outer ring.
    return CreateTestIcon(
        size, [](int, int) { return RGB(0, 160, 0); },
        [size](int x, int y) { return x == 0 || y == 0 || x == size - 1 || y == size - 1; });
}

TEST_F(ImageRegistry, AnIconRegistersAtTwiceItsHotSpotAndReplacesAnImage)
{
    HBITMAP const red = SolidBitmap(8, 8, RGB(255, 0, 0));
    Registry().AddBitmapWithID(200, red, 8, 8, kMagenta);
    HICON const icon = GreenSquareIcon(16); // its hot spot is at (8, 8)
    EXPECT_EQ(Registry().AddIconWithID(200, icon), 1);
    int width = 0, height = 0;
    Registry().GetImageSize(200, width, height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    BitmapPixels const pixels = ReadBitmapPixels(Registry().BitmapFromID(200));
    EXPECT_EQ(pixels.At(0, 0), kMagenta) << "transparent pixels of an icon become magenta";
    EXPECT_EQ(pixels.At(5, 5), RGB(0, 160, 0));

    EXPECT_EQ(Registry().AddIconWithID(201, icon), 1); // a new identifier through the same way in
    EXPECT_NE(Registry().BitmapFromID(201), nullptr);
    EXPECT_EQ(Registry().AddIconWithID(202, nullptr), 0);
    DestroyIcon(icon);
    DeleteObject(red);
}

TEST_F(ImageRegistry, DrawsTransparentlyAndGreyedWhenDisabled)
{
    // A 0x3264C8 square with a magenta hole; greyed it becomes 0xAFAFAF (grey, then 102/256 white).
    HBITMAP const image = CreateTestBitmap(
        6, 6,
        [](int x, int y) { return x >= 2 && x < 4 && y >= 2 && y < 4 ? kMagenta : RGB(0xC8, 0x64, 0x32); });
    Registry().AddBitmapWithID(300, image, 6, 6, kMagenta);
    for (int disabled : {0, 1})
    {
        PixelCanvas canvas(12, 12);
        FillPattern(canvas);
        CDC dc(canvas.GetDC());
        Registry().DrawBitmapId(dc, 300, 3, 4, 0, 0, disabled);
        COLORREF const opaque = disabled != 0 ? RGB(0xAF, 0xAF, 0xAF) : RGB(0xC8, 0x64, 0x32);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
            {
                bool const inImage = x >= 3 && x < 9 && y >= 4 && y < 10;
                bool const inHole = x >= 5 && x < 7 && y >= 6 && y < 8;
                COLORREF const expected = inImage && !inHole ? opaque : TargetPattern(x, y);
                ASSERT_EQ(canvas.At(x, y), expected) << "disabled " << disabled << " at " << x << "," << y;
            }
        EXPECT_EQ(GetBkColor(canvas.GetDC()), RGB(255, 255, 255)) << "the target's colours are put back";
    }
    DeleteObject(image);
}

TEST_F(ImageRegistry, DrawsNothingForAnUnknownIdentifierOrANegativePositionAndStretchesOtherwise)
{
    HBITMAP const image = CreateTestBitmap(2, 2, [](int x, int y) { return RGB(x * 200, y * 200, 50); });
    Registry().AddBitmapWithID(400, image, 2, 2, kMagenta);
    PixelCanvas canvas(4, 4);
    FillPattern(canvas);
    CDC dc(canvas.GetDC());
    Registry().DrawBitmapId(dc, 401, 0, 0, 4, 4, 0);
    Registry().DrawBitmapId(dc, 400, -1, 0, 4, 4, 0);
    Registry().DrawBitmapImage(dc, image, 2, -1, 4, 4);
    EXPECT_TRUE(CanvasIsUntouched(canvas));
    Registry().DrawBitmapImage(dc, image, 0, 0, 4, 4);
    EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 50));
    EXPECT_EQ(canvas.At(3, 0), RGB(200, 0, 50));
    EXPECT_EQ(canvas.At(2, 3), RGB(200, 200, 50));
    DeleteObject(image);
}

TEST_F(ImageRegistry, ResetForgetsEveryImageAndLeavesNoObjectBehind)
{
    HBITMAP const image = SolidBitmap(16, 16, RGB(9, 9, 9));
    HICON const icon = GreenSquareIcon(16);
    Registry().AddBitmapWithID(1, image, 16, 16, kMagenta); // warm-up of the registry's own first use
    CLibraryImages::Reset();

    GuiObjectCounts const before = CountGuiObjects();
    for (UINT id = 1; id <= 20; ++id)
        Registry().AddBitmapWithID(id, image, 16, 16, kMagenta);
    for (UINT id = 15; id <= 25; ++id)
        Registry().AddIconWithID(id, icon);
    EXPECT_NE(Registry().BitmapFromID(7), nullptr);
    CLibraryImages::Reset();
    EXPECT_EQ(Registry().BitmapFromID(7), nullptr);
    EXPECT_EQ(Registry().BitmapFromID(25), nullptr);
    EXPECT_EQ(CountGuiObjects(), before);
    DestroyIcon(icon);
    DeleteObject(image);
}

TEST(MakeGrayAlphablend, RecolursThePixelsOfTheBitmapInPlaceWithBlackAsBackgroundOnlyInTheCorner)
{
    // (The formula itself is tested natively.) (0, 128, 255): luminance 104, then 102/256 of white: 164.
    for (bool blackCorner : {false, true})
    {
        HBITMAP const bitmap =
            CreateTestBitmap(3, 1,
                             [&](int x, int) {
                                 return x == 0   ? (blackCorner ? RGB(0, 0, 0) : RGB(0, 128, 255))
                                        : x == 1 ? RGB(0, 128, 255)
                                                 : kMagenta;
                             });
        COLORREF const topLeft =
            C_LibraryImages_MakeGrayAlphablend(bitmap, 256, 102, RGB(255, 255, 255), kMagenta);
        std::vector<COLORREF> const pixels = ReadBitmapPixels(bitmap).pixels;
        EXPECT_EQ(pixels, (std::vector<COLORREF>{blackCorner ? kMagenta : RGB(164, 164, 164),
                                                 RGB(164, 164, 164), kMagenta}));
        EXPECT_EQ(topLeft, pixels[0]);
        DeleteObject(bitmap);
    }
}

TEST_F(ImageRegistry, AMonochromeIconRegistersItsWhiteBlackAndTransparentPixels)
{
    // 16 by 16, one bit a pixel: the top row transparent, then white on the left, black on the right.
    BYTE andMask[32] = {};
    BYTE xorMask[32] = {};
    andMask[0] = andMask[1] = 0xFF;
    for (int row = 1; row < 16; ++row)
        xorMask[2 * row] = 0xFF;
    HICON const icon = CreateIcon(nullptr, 16, 16, 1, 1, andMask, xorMask);
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(Registry().AddIconWithID(700, icon), 1);
    BitmapPixels const pixels = ReadBitmapPixels(Registry().BitmapFromID(700));
    ASSERT_EQ(pixels.width, 16);
    EXPECT_EQ(pixels.At(3, 0), kMagenta);
    EXPECT_EQ(pixels.At(3, 5), RGB(255, 255, 255));
    EXPECT_EQ(pixels.At(12, 5), RGB(0, 0, 0));
    DestroyIcon(icon);
}

TEST(BitmapMask, MarksTheKeyPixelsAndBlackensThemInTheSource)
{
    HBITMAP const bitmap =
        CreateTestBitmap(8, 2, [](int x, int) { return x % 2 ? kMagenta : RGB(30, 60, 90); });
    HBITMAP const mask = CLibraryImages::CreateBitmapMask(bitmap, kMagenta);
    ASSERT_NE(mask, nullptr);
    BitmapPixels const source = ReadBitmapPixels(bitmap);
    BitmapPixels const marks = ReadBitmapPixels(mask);
    for (int x = 0; x < 8; ++x)
    {
        EXPECT_EQ(source.At(x, 1), x % 2 ? RGB(0, 0, 0) : RGB(30, 60, 90)) << x;
        EXPECT_EQ(marks.At(x, 1), x % 2 ? RGB(255, 255, 255) : RGB(0, 0, 0)) << x;
    }
    DeleteObject(mask);
    DeleteObject(bitmap);
}

TEST_F(ImageRegistry, TakesTheImagesOfAToolbarsButtonsByCommand)
{
    CLumoControls::Instance();
    CTestParent const parent(200, 50, WS_POPUP);
    HWND const toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", WS_CHILD | TBSTYLE_FLAT, 0, 0, 200, 30,
                                         parent, nullptr, nullptr, nullptr);
    ASSERT_NE(toolbar, nullptr);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    EXPECT_EQ(Registry().LoadImagesFromToolbar(toolbar), 0) << "no image list yet";

    HIMAGELIST const images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    COLORREF const colours[] = {RGB(200, 0, 0), RGB(0, 0, 200), RGB(0, 120, 0)};
    for (COLORREF colour : colours)
    {
        HICON const icon = CreateTestIcon(
            16, [colour](int, int) { return colour; }, [](int x, int) { return x < 2; });
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
    }
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    EXPECT_EQ(Registry().LoadImagesFromToolbar(toolbar), 0) << "no buttons yet";

    TBBUTTON buttons[4] = {};
    buttons[0] = TBBUTTON{0, 501, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    buttons[1] = TBBUTTON{1, 0, 0, BTNS_SEP, {}, 0, 0}; // a width of 1 would name image 1
    buttons[2] = TBBUTTON{2, 503, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    buttons[3] = TBBUTTON{1, 502, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    ASSERT_TRUE(SendMessageW(toolbar, TB_ADDBUTTONSW, 4, reinterpret_cast<LPARAM>(buttons)));

    EXPECT_EQ(Registry().LoadImagesFromToolbar(toolbar), 1);
    struct
    {
        UINT command;
        COLORREF colour;
    } const expected[] = {{501, colours[0]}, {502, colours[1]}, {503, colours[2]}};
    for (auto const& e : expected)
    {
        int width = 0, height = 0;
        ASSERT_EQ(Registry().GetImageSize(e.command, width, height), 1) << e.command;
        EXPECT_EQ(width, 16);
        EXPECT_EQ(height, 16);
        BitmapPixels const pixels = ReadBitmapPixels(Registry().BitmapFromID(e.command));
        EXPECT_EQ(pixels.At(0, 0), kMagenta) << e.command;
        EXPECT_EQ(pixels.At(8, 8), e.colour) << e.command;
    }
    EXPECT_EQ(Registry().BitmapFromID(0), nullptr) << "the separator registered nothing";
    ImageList_Destroy(images);
}

} // namespace
