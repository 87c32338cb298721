#include "LumoControls/ImagesLibrary/GrayAlphablend.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using lumo::GrayBlend;

COLORREF const kMagenta = 0xFF00FF;

TEST(GrayAlphablend, PixelsFollowTheLuminanceAndBlendFormula)
{
    struct
    {
        char const* what;
        COLORREF pixel;
        GrayBlend recolor;
        COLORREF expected;
    } const table[] = {
        // r 200, g 100, b 50: Y = (7600 + 7500 + 750) / 128 = 123
        {"pure grey, no blend", 0x3264C8, {256, 0, 0, kMagenta}, 0x7B7B7B},
        {"nothing changes with both amounts 0", 0x3264C8, {0, 0, 0, kMagenta}, 0x3264C8},
        {"half grey: (128 c + 128 Y) / 256", 0x3264C8, {128, 0, 0, kMagenta}, 0x566FA1},
        {"blend alone towards white", 0x3264C8, {0, 128, 0xFFFFFF, kMagenta}, 0x98B1E3},
        // the greyed image of a disabled command: grey, then 102/256 of white
        {"greyed command image", 0x3264C8, {256, 102, 0xFFFFFF, kMagenta}, 0xAFAFAF},
        {"full blend is the blend colour", 0x123456, {77, 256, 0x0A0B0C, kMagenta}, 0x0A0B0C},
        {"white stays white when greyed: the weights add up to 128",
         0xFFFFFF,
         {256, 0, 0, kMagenta},
         0xFFFFFF},
        {"pure red greys to 75", 0x0000FF, {256, 0, 0, kMagenta}, 0x4B4B4B},
    };
    for (auto const& row : table)
        EXPECT_EQ(lumo::GrayAlphablendPixel(row.pixel, row.recolor), row.expected)
            << row.what << std::hex << " got " << lumo::GrayAlphablendPixel(row.pixel, row.recolor);
}

TEST(GrayAlphablend, BlackIsBackgroundOnlyWhenTheTopLeftPixelIsBlack)
{
    GrayBlend const nothing{0, 0, 0, kMagenta};
    std::vector<COLORREF> image = {0x000000, 0x000000, 0x123456, kMagenta};
    EXPECT_EQ(lumo::GrayAlphablendImage(image.data(), image.size(), nothing), kMagenta);
    EXPECT_EQ(image, (std::vector<COLORREF>{kMagenta, kMagenta, 0x123456, kMagenta}));

    image = {0x010101, 0x000000, 0x123456, kMagenta};
    EXPECT_EQ(lumo::GrayAlphablendImage(image.data(), image.size(), nothing), 0x010101u);
    EXPECT_EQ(image, (std::vector<COLORREF>{0x010101, 0x000000, 0x123456, kMagenta}));
}

TEST(GrayAlphablend, KeyPixelsAreLeftAsTheyAre)
{
    std::vector<COLORREF> image = {0x3264C8, kMagenta, 0x00FF00};
    lumo::GrayAlphablendImage(image.data(), image.size(), GrayBlend{256, 0, 0, kMagenta});
    EXPECT_EQ(image[1], kMagenta);
    EXPECT_EQ(image[0], 0x7B7B7Bu);
    // A key of another colour leaves magenta to be recoloured like any pixel.
    image = {0x3264C8, kMagenta};
    lumo::GrayAlphablendImage(image.data(), image.size(), GrayBlend{256, 0, 0, 0x3264C8});
    EXPECT_EQ(image[0], 0x3264C8u);
    EXPECT_NE(image[1], kMagenta);
}

TEST(GrayAlphablend, AnEmptyImageGivesBlack)
{
    EXPECT_EQ(lumo::GrayAlphablendImage(nullptr, 0, GrayBlend{256, 0, 0, kMagenta}), 0u);
}
} // namespace
