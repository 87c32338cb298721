#include "LumoCtrls/LumoCtrls.h"
#include "image/ImageFiles.h"
#include "w32/LeakRounds.h"
#include "w32/PixelCanvas.h"
#include "w32/TestBitmaps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace
{
// A picture with every kind of pixel: opaque colours, translucent ones and fully transparent ones.
std::uint32_t Picture(int x, int y)
{
    if (x == 0 && y == 0)
        return 0x00000000;
    if (x == 1 && y == 0)
        return 0x80FF0000; // half-transparent red
    return 0xFF000000u | static_cast<std::uint32_t>(x * 20) << 16 | static_cast<std::uint32_t>(y * 30) << 8 |
           0x40u;
}

int LargestDifference(ArgbImage const& a, ArgbImage const& b)
{
    int largest = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        for (int shift = 0; shift < 32; shift += 8)
            largest = std::max(largest, std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                                                 static_cast<int>((b.pixels[i] >> shift) & 0xFF)));
    return largest;
}

TEST(ImageRoundTrip, EachFormatComesBackPixelIdenticalOrWithinTheMeasuredError)
{
    CTempFile original(L"lumo-original.png");
    ASSERT_TRUE(WriteImage(original.Path(), L"image/png", 9, 7, &Picture));
    CLumoImage image;
    ASSERT_TRUE(image.Load(original.Path()));
    EXPECT_EQ(image.GetWidth(), 9);
    EXPECT_EQ(image.GetHeight(), 7);
    CTempFile png(L"lumo-saved.png");
    ASSERT_TRUE(image.SaveAsPNG(png.Path()));
    EXPECT_EQ(ReadImage(png.Path()).pixels, ReadImage(original.Path()).pixels);
    EXPECT_EQ(ReadImage(png.Path()).At(1, 0), 0x80FF0000u) << "alpha kept";

    CTempFile smooth(L"lumo-smooth.png");
    WriteImage(smooth.Path(), L"image/png", 32, 32,
               [](int x, int y) { return 0xFF000000u | (x * 8) << 16 | (y * 8) << 8 | ((x + y) * 4); });
    ASSERT_TRUE(image.Load(smooth.Path()));
    CTempFile bmp(L"lumo-saved.bmp");
    CTempFile jpg(L"lumo-saved.jpg");
    ASSERT_TRUE(image.SaveAsBMP(bmp.Path()));
    ASSERT_TRUE(image.SaveAsJPG(jpg.Path(), 100));
    EXPECT_EQ(ReadImage(bmp.Path()).pixels, ReadImage(smooth.Path()).pixels);
    // JPEG at quality 100 on a smooth picture: measured under Wine's encoder (6).
    EXPECT_LE(LargestDifference(ReadImage(jpg.Path()), ReadImage(smooth.Path())), 6);
}

TEST(ImageRoundTrip, AGifKeepsColoursOfItsPaletteAndTakesATransparentEntry)
{
    CTempFile original(L"lumo-original.png");
    CTempFile saved(L"lumo-saved.gif");
    // Web-safe colours (steps of 0x33) are all in the palette a GIF is quantised to.
    WriteImage(original.Path(), L"image/png", 6, 6,
               [](int x, int y) { return 0xFF000000u | (x * 0x33) << 16 | (y * 0x33) << 8 | 0x99; });
    CLumoImage image;
    ASSERT_TRUE(image.Load(original.Path()));
    ASSERT_TRUE(image.SaveAsGIF(saved.Path()));
    EXPECT_TRUE(IsPaletteImage(saved.Path()));
    EXPECT_EQ(ReadImage(saved.Path()).pixels, ReadImage(original.Path()).pixels);

    CLumoImage gif;
    ASSERT_TRUE(gif.Load(saved.Path()));
    COLORREF transparent = 0;
    EXPECT_FALSE(gif.GetTransparentColor(transparent));
    CTempFile again(L"lumo-again.gif");
    ASSERT_TRUE(gif.SaveAsGIF(again.Path())) << "a palette image goes to the encoder as it is";
    EXPECT_EQ(ReadImage(again.Path()).pixels, ReadImage(saved.Path()).pixels);
    gif.SetTransparentColor(RGB(0x33, 0x66, 0x99));
    ASSERT_TRUE(gif.GetTransparentColor(transparent));
    EXPECT_EQ(transparent, RGB(0x33, 0x66, 0x99));
}

TEST(ImageObject, AnOpaqueImageMadeTransparentByColourGainsAlpha)
{
    HBITMAP const bitmap =
        CreateTestBitmap(4, 2, [](int x, int) { return x % 2 ? RGB(10, 20, 30) : RGB(1, 2, 3); });
    CLumoImage image;
    ASSERT_TRUE(image.Load(bitmap));
    EXPECT_FALSE(image.HasTransparency()) << "a bitmap has no alpha";
    image.SetTransparentColor(RGB(10, 20, 30));
    EXPECT_TRUE(image.HasTransparency());
    CTempFile saved(L"lumo-keyed.png");
    ASSERT_TRUE(image.SaveAsPNG(saved.Path()));
    ArgbImage const back = ReadImage(saved.Path());
    EXPECT_EQ(back.At(1, 0) >> 24, 0u);
    EXPECT_EQ(back.At(0, 0), 0xFF010203u);
    DeleteObject(bitmap);
}

TEST(ImageObject, PixelEditsFollowAlpha)
{
    CTempFile file(L"lumo-pixels.png");
    WriteImage(file.Path(), L"image/png", 10, 10,
               [](int x, int y) {
                   return x == 3 && y == 5 ? 0xFFFF0000u : x == 4 && y == 5 ? 0x80FF0000u : 0u;
               });
    CLumoImage image;
    ASSERT_TRUE(image.Load(file.Path()));
    EXPECT_FALSE(image.IsEmpty());
    image.ReplaceColor(RGB(255, 0, 0), RGB(0, 255, 0)); // opaque red only: not the half-transparent one
    COLORREF color = 0;
    ASSERT_TRUE(image.GetPixelColor(4, 5, color));
    EXPECT_EQ(color, RGB(255, 0, 0));
    ASSERT_TRUE(image.GetPixelColor(3, 5, color));
    EXPECT_EQ(color, RGB(0, 255, 0));
    ASSERT_TRUE(image.CropEmpty());
    EXPECT_EQ(image.GetWidth(), 2);
    EXPECT_EQ(image.GetHeight(), 1);

    CTempFile clear(L"lumo-clear.png");
    WriteImage(clear.Path(), L"image/png", 5, 5, [](int, int) { return 0x00FFFFFFu; });
    ASSERT_TRUE(image.Load(clear.Path()));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_FALSE(image.CropEmpty()) << "nothing to crop to";
    EXPECT_EQ(image.GetWidth(), 5) << "a failed crop keeps the image";
}

TEST(ImageObject, WithoutAnImageEverythingAnswersNothing)
{
    CLumoImage image;
    CTempFile file(L"lumo-never.jpg");
    EXPECT_FALSE(image.IsImageLoaded() || image.SaveAsJPG(file.Path(), 90) || image.SaveAsPNG(file.Path()) ||
                 image.Crop(0, 0, 1, 1) || image.CropEmpty() || image.IsEmpty() || image.HasTransparency());
    COLORREF color = 7;
    EXPECT_FALSE(image.GetPixelColor(0, 0, color));
    EXPECT_EQ(color, 7u);
    SIZE size{3, 4};
    EXPECT_FALSE(image.GetSize(size));
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_FALSE(image.Load(std::wstring(L"Z:\\no\\such\\file.png")));
    EXPECT_FALSE(image.IsImageLoaded());
    CBitmap bitmap;
    EXPECT_FALSE(image.FillBitmap(bitmap, 4, 4, 0));
    EXPECT_TRUE(bitmap.IsEmpty());
}

TEST(ImageObject, LoadsFromAModuleResourceAndCropsInItsOwnFormat)
{
    CLumoImage image;
    TWinResWrapper<HINSTANCE> const self(GetModuleHandleW(nullptr));
    ASSERT_TRUE(image.Load(self, MAKEINTRESOURCEW(1), L"PNG"));
    EXPECT_EQ(image.GetWidth(), 6);
    EXPECT_EQ(image.GetHeight(), 4);
    EXPECT_TRUE(image.HasTransparency());
    EXPECT_FALSE(image.Load(self, MAKEINTRESOURCEW(2), L"PNG"));
    EXPECT_EQ(image.GetWidth(), 6) << "a failed load keeps the image";
    ASSERT_TRUE(image.Crop(2, 1, 3, 2));
    EXPECT_EQ(image.GetWidth(), 3);
    COLORREF color = 0;
    image.GetPixelColor(0, 0, color);
    EXPECT_EQ(color, RGB(80, 60, 175));
    EXPECT_FALSE(image.Crop(0, 0, 0, 5));
}

TEST(ImageObject, DrawsAtNaturalSizeOntoTheExactPixels)
{
    HBITMAP const bitmap = CreateTestBitmap(5, 4, [](int x, int y) { return RGB(x * 50, y * 60, 30); });
    CLumoImage image;
    ASSERT_TRUE(image.Load(bitmap));
    PixelCanvas canvas(9, 8, RGB(1, 1, 1));
    CDC dc(canvas.GetDC());
    image.Draw(dc, 2, 3);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(canvas.At(x + 2, y + 3), RGB(x * 50, y * 60, 30)) << x << "," << y;
    EXPECT_EQ(canvas.At(1, 3), RGB(1, 1, 1));
    EXPECT_EQ(canvas.At(7, 3), RGB(1, 1, 1));

    canvas.Fill(RGB(1, 1, 1));
    image.Draw(dc, 0, 0, 2, 2, 3, 1); // the part from (3, 1)
    EXPECT_EQ(canvas.At(0, 0), RGB(150, 60, 30));
    EXPECT_EQ(canvas.At(1, 1), RGB(200, 120, 30));
    EXPECT_EQ(canvas.At(2, 0), RGB(1, 1, 1));

    DeleteObject(bitmap);
}

TEST(ImageObject, FillBitmapCentresAndKeysOutMagenta)
{
    HBITMAP const source =
        CreateTestBitmap(4, 2, [](int x, int) { return x == 1 ? RGB(255, 0, 255) : RGB(9, 8, 7); });
    CLumoImage image;
    ASSERT_TRUE(image.Load(source));
    CBitmap filled;
    ASSERT_TRUE(image.FillBitmap(filled, 8, 6, RGB(200, 210, 220)));
    BitmapPixels const pixels = ReadBitmapPixels(filled);
    ASSERT_EQ(pixels.width, 8);
    BITMAP description{};
    GetObjectW(filled, sizeof(description), &description);
    EXPECT_EQ(description.bmBitsPixel, 24);
    auto at = [&](int x, int y) { return pixels.At(x, y); };
    EXPECT_EQ(at(2, 2), RGB(9, 8, 7)) << "centred: (8 - 4) / 2, (6 - 2) / 2";
    EXPECT_EQ(at(3, 2), RGB(200, 210, 220)) << "magenta shows the background";
    EXPECT_EQ(at(5, 3), RGB(9, 8, 7));
    EXPECT_EQ(at(1, 2), RGB(200, 210, 220));
    EXPECT_EQ(at(2, 4), RGB(200, 210, 220));
    DeleteObject(source);
}

TEST(ImageObject, FillAndStretchFitsTheImageAndDrawsTheBorder)
{
    HBITMAP const source = CreateTestBitmap(10, 5, [](int, int) { return RGB(200, 0, 0); });
    CLumoImage image;
    ASSERT_TRUE(image.Load(source));
    CBitmap filled;
    ASSERT_TRUE(image.FillAndStretchBitmap(filled, 20, 20, true, RGB(0, 0, 255), 2));
    BitmapPixels const pixels = ReadBitmapPixels(filled);
    auto at = [&](int x, int y) { return pixels.At(x, y); };
    EXPECT_EQ(at(10, 3), RGB(255, 255, 255)) << "above the image: white";
    EXPECT_EQ(at(10, 10), RGB(200, 0, 0)) << "scaled by 2, from row 5 to 15";
    EXPECT_EQ(at(10, 17), RGB(255, 255, 255));
    EXPECT_EQ(at(0, 10), RGB(0, 0, 255)) << "the border";
    EXPECT_EQ(at(19, 10), RGB(0, 0, 255));
    DeleteObject(source);
}

TEST(BitmapFunctions, CopiesCloneAndFilesKeepPixelsAndDimensions)
{
    HBITMAP const source = CreateTestBitmap(6, 3, [](int x, int y) { return RGB(x * 40, y * 80, 7); });
    SetBitmapDimensionEx(source, 60, 30, nullptr);

    HBITMAP const copy = CreateHBITMAPCopy(source);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ReadBitmapPixels(copy), ReadBitmapPixels(source));
    SIZE dimension{};
    GetBitmapDimensionEx(copy, &dimension);
    EXPECT_EQ(dimension.cx, 60);
    EXPECT_EQ(dimension.cy, 30);

    HBITMAP const clone = CLumoImage::CloneBitmap(source);
    BITMAP a{}, b{};
    GetObjectW(source, sizeof(a), &a);
    GetObjectW(clone, sizeof(b), &b);
    EXPECT_EQ(b.bmBitsPixel, a.bmBitsPixel);
    EXPECT_EQ(ReadBitmapPixels(clone), ReadBitmapPixels(source));

    CTempFile file(L"lumo-saved-bitmap.png");
    EXPECT_NE(SaveHBITMAPAsPNG(source, file.Path().c_str()), 0);
    HBITMAP const loaded = CreateHBITMAPFromFile(file.Path().c_str());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(ReadBitmapPixels(loaded), ReadBitmapPixels(source));
    GetBitmapDimensionEx(loaded, &dimension);
    EXPECT_EQ(dimension.cx, 6);
    EXPECT_EQ(CreateHBITMAPFromFile(L"Z:\\no\\such.png"), nullptr);
    EXPECT_EQ(CreateHBITMAPFromFile(nullptr), nullptr);
    for (HBITMAP bitmap : {source, copy, clone, loaded})
        DeleteObject(bitmap);
}

TEST(BitmapFunctions, TheComposerLaysBitmapsSideBySide)
{
    CBitmap red(CreateTestBitmap(3, 2, [](int, int) { return RGB(255, 0, 0); }));
    CBitmap blue(CreateTestBitmap(2, 4, [](int, int) { return RGB(0, 0, 255); }));
    std::vector<TSharedPointer<CBitmapComposer::CBitmapComposeItem>> items;
    items.emplace_back(new CBitmapComposer::CBitmapComposeItem(red));
    items.emplace_back(new CBitmapComposer::CBitmapComposeItem(blue));
    HBITMAP const composed = CBitmapComposer::GetComposedBitmap(8, 5, items, RGB(1, 2, 3));
    ASSERT_NE(composed, nullptr);
    BitmapPixels const pixels = ReadBitmapPixels(composed);
    auto at = [&](int x, int y) { return pixels.At(x, y); };
    EXPECT_EQ(at(2, 1), RGB(255, 0, 0));
    EXPECT_EQ(at(2, 2), RGB(1, 2, 3));
    EXPECT_EQ(at(3, 3), RGB(0, 0, 255));
    EXPECT_EQ(at(5, 0), RGB(1, 2, 3));
    DeleteObject(composed);
}

TEST(BitmapFunctions, AttentionGreysEverythingOutsideTheRectangle)
{
    PixelCanvas canvas(10, 10, RGB(0, 0, 0));
    RECT const focus{3, 3, 7, 6};
    EXPECT_EQ(DrawAttentionToRectangleInImage(canvas.GetDC(), 10, 10, &focus, 255), 1);
    EXPECT_EQ(canvas.At(0, 0), RGB(0x90, 0x90, 0x90));
    EXPECT_EQ(canvas.At(9, 9), RGB(0x90, 0x90, 0x90));
    EXPECT_EQ(canvas.At(2, 4), RGB(0x90, 0x90, 0x90));
    EXPECT_EQ(canvas.At(7, 4), RGB(0x90, 0x90, 0x90));
    EXPECT_EQ(canvas.At(3, 3), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(6, 5), RGB(0, 0, 0));
    canvas.Fill(RGB(0, 0, 0));
    DrawAttentionToRectangleInImage(canvas.GetDC(), 10, 10, &focus, 128);
    EXPECT_NEAR(GetRValue(canvas.At(0, 0)), 0x48, 1) << "half of 0x90 over black";
    EXPECT_EQ(DrawAttentionToRectangleInImage(nullptr, 10, 10, &focus, 255), 0);
    EXPECT_EQ(DrawAttentionToRectangleInImage(canvas.GetDC(), 10, 10, nullptr, 255), 0);
}

TEST(ImageObject, RepeatedUseLeavesNoObjectBehind)
{
    CTempFile file(L"lumo-hygiene.png");
    WriteImage(file.Path(), L"image/png", 16, 16, &Picture);
    PixelCanvas canvas(20, 20);
    auto round = [&]
    {
        CLumoImage image;
        image.Load(file.Path());
        CDC dc(canvas.GetDC());
        image.Draw(dc, 1, 1, 18, 18);
        CBitmap filled;
        image.FillBitmap(filled, 20, 20, 0);
        image.FillAndStretchBitmap(filled, 30, 10, true, 0, 1);
        image.CropEmpty();
        HBITMAP const copy = CreateHBITMAPCopy(filled);
        DeleteObject(copy);
    };
    ExpectRoundsLeaveNoHandles([&](int) { round(); });
}
} // namespace
