#include "LumoControls/LumoImage/ImageLayout.h"
#include "LumoControls/LumoImage/ImagePixels.h"
#include "LumoControls/LumoImage/RegionRuns.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using lumo::ArgbPixels;
using lumo::Rect;

struct Image
{
    Image(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w * h), fill)
    {
    }
    ArgbPixels View() { return ArgbPixels{pixels.data(), width, height, width}; }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

TEST(ImagePixels, ColourValuesAndPixelsConvertWithOpaqueAlpha)
{
    EXPECT_EQ(lumo::OpaqueArgb(0x563412), 0xFF123456u); // red 0x12 in the colour's low byte
    EXPECT_EQ(lumo::ColorOfArgb(0x80123456u), 0x563412u);
}

TEST(ImagePixels, ReplacesOnlyFullyOpaquePixelsOfTheColour)
{
    Image image(3, 1);
    image.At(0, 0) = 0xFFFF0000; // opaque red
    image.At(1, 0) = 0x80FF0000; // half-transparent red
    image.At(2, 0) = 0xFF00FF00;
    EXPECT_EQ(lumo::ReplaceOpaqueColor(image.View(), 0x0000FF, 0xFF0000), 1u);
    EXPECT_EQ(image.At(0, 0), 0xFF0000FFu);
    EXPECT_EQ(image.At(1, 0), 0x80FF0000u);
    EXPECT_EQ(image.At(2, 0), 0xFF00FF00u);
}

TEST(ImagePixels, TranslucencyAndEmptiness)
{
    Image image(2, 2, 0xFF000000);
    EXPECT_FALSE(lumo::HasTranslucentPixel(image.View()));
    EXPECT_FALSE(lumo::IsFullyTransparent(image.View()));
    image.At(1, 1) = 0xFE000000;
    EXPECT_TRUE(lumo::HasTranslucentPixel(image.View()));
    Image clear(2, 2, 0x00FFFFFF); // colour without alpha is still nothing
    EXPECT_TRUE(lumo::IsFullyTransparent(clear.View()));
}

TEST(OpaqueBounds, SpanTheOutermostPixelsWithAnyAlphaWithinTheStride)
{
    Image image(10, 10);
    image.At(2, 7) = 0xFF000000;
    image.At(6, 1) = 0xFF000000;
    image.At(8, 4) = 0x01000000; // any alpha counts
    EXPECT_EQ(lumo::OpaqueBounds(image.View()), (Rect{2, 1, 9, 8}));
    EXPECT_EQ(lumo::OpaqueBounds(Image(4, 4, 0x00FF00FF).View()).Width(), 0) << "nothing visible";
    Image storage(6, 2);           // a 4 by 2 image inside rows of 6
    storage.At(4, 0) = 0xFF000000; // outside the image: must not count
    storage.At(1, 1) = 0xFF000000;
    EXPECT_EQ(lumo::OpaqueBounds(ArgbPixels{storage.pixels.data(), 4, 2, 6}), (Rect{1, 1, 2, 2}));
}

TEST(TransparentRange, IsTheColourUpToTheToleranceCappedAt255)
{
    lumo::TransparentRange const exact(0xFF00FF, 0); // magenta
    EXPECT_TRUE(exact.Contains(255, 0, 255));
    EXPECT_FALSE(exact.Contains(254, 0, 255));
    EXPECT_FALSE(exact.Contains(255, 1, 255));

    lumo::TransparentRange const tolerant(0x1020F0,
                                          0x303030); // red 0xF0..0xFF, green 0x20..0x50, blue 0x10..0x40
    EXPECT_TRUE(tolerant.Contains(0xFF, 0x50, 0x10));
    EXPECT_TRUE(tolerant.Contains(0xF0, 0x20, 0x40));
    EXPECT_FALSE(tolerant.Contains(0xEF, 0x20, 0x10));
    EXPECT_FALSE(tolerant.Contains(0xF0, 0x51, 0x10));

    lumo::TransparentRange const asymmetric(0x0000FF, 0); // red: matched as red, not as blue
    EXPECT_TRUE(asymmetric.Contains(255, 0, 0));
    EXPECT_FALSE(asymmetric.Contains(0, 0, 255));
}

class Collector : public lumo::IRegionBatchSink
{
public:
    void Combine(lumo::RegionBatch const& batch) override
    {
        sizes.push_back(batch.Rects().size());
        bounds.push_back(batch.Bounds());
        rects.insert(rects.end(), batch.Rects().begin(), batch.Rects().end());
    }
    std::vector<std::size_t> sizes;
    std::vector<Rect> bounds;
    std::vector<Rect> rects;
};

// A section of blue, green, red, unused bytes, rows as given (top first unless flipped by the caller).
std::vector<std::uint8_t> Section(std::vector<std::vector<std::uint32_t>> const& rows)
{
    std::vector<std::uint8_t> bits;
    for (auto const& row : rows)
        for (std::uint32_t rgb : row)
        {
            bits.push_back(static_cast<std::uint8_t>(rgb & 0xFF));
            bits.push_back(static_cast<std::uint8_t>(rgb >> 8 & 0xFF));
            bits.push_back(static_cast<std::uint8_t>(rgb >> 16 & 0xFF));
            bits.push_back(0);
        }
    return bits;
}

TEST(RegionRuns, EachMaximalOpaqueRunOfALineIsOneRectangle)
{
    std::uint32_t const key = 0xFF00FF; // 0xRRGGBB here: magenta
    std::uint32_t const ink = 0x102030;
    // Stored bottom-up: the last vector is the top line.
    std::vector<std::uint8_t> const bits =
        Section({{ink, ink, ink, ink}, {key, ink, key, ink}, {key, key, key, key}});
    Collector collector;
    lumo::CollectOpaqueRuns(bits.data(), 4, 3, true, lumo::TransparentRange(0xFF00FF, 0), collector);
    std::vector<Rect> const expected = {Rect{1, 1, 2, 2}, Rect{3, 1, 4, 2}, Rect{0, 2, 4, 3}};
    EXPECT_EQ(collector.rects, expected);
    ASSERT_EQ(collector.bounds.size(), 1u);
    EXPECT_EQ(collector.bounds[0], (Rect{0, 1, 4, 3}));
}

TEST(RegionRuns, BatchesAreHandedOverEvery2000Rectangles)
{
    // A checkerboard line of 100 pixels has 50 runs: 90 lines give 4500 rectangles.
    std::vector<std::vector<std::uint32_t>> rows(90, std::vector<std::uint32_t>(100));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < 100; ++x)
            rows[y][x] = (x + y) % 2 ? 0xFF00FF : 0x000000;
    std::vector<std::uint8_t> const bits = Section(rows);
    Collector collector;
    lumo::CollectOpaqueRuns(bits.data(), 100, 90, false, lumo::TransparentRange(0xFF00FF, 0), collector);
    EXPECT_EQ(collector.sizes, (std::vector<std::size_t>{2000, 2000, 500}));
    EXPECT_EQ(collector.rects.front(), (Rect{0, 0, 1, 1}));
    EXPECT_EQ(collector.rects.back(), (Rect{99, 89, 100, 90}));
}

TEST(ImageLayout, StretchingFitsTheSmallerRatioAndCentresTheOtherAxis)
{
    EXPECT_EQ(lumo::StretchedPlacement(100, 50, 60, 60), (Rect{0, 15, 60, 45}));
    EXPECT_EQ(lumo::StretchedPlacement(30, 90, 61, 60), (Rect{20, 0, 40, 60})); // (61 - 20) / 2 truncated
    EXPECT_EQ(lumo::StretchedPlacement(7, 7, 61, 61), (Rect{0, 0, 61, 61}));
    EXPECT_EQ(lumo::StretchedPlacement(0, 10, 60, 60), (Rect{0, 0, 0, 0}));
    // Whatever the sizes, the axis of the smaller ratio fills the target exactly and nothing overflows.
    for (int width = 1; width <= 120; ++width)
        for (int height = 1; height <= 120; ++height)
            for (int target : {37, 61, 100})
            {
                Rect const r = lumo::StretchedPlacement(width, height, target, target + 3);
                ASSERT_TRUE((r.left == 0 && r.Width() == target) || (r.top == 0 && r.Height() == target + 3))
                    << width << "x" << height << " into " << target;
                ASSERT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= target && r.bottom <= target + 3);
            }
}

TEST(ImageLayout, NaturalSizeIsCentredWhenSmallerAndCutWhenLarger)
{
    lumo::Placement const small = lumo::NaturalPlacement(10, 7, 25, 20);
    EXPECT_EQ(small.source, (Rect{0, 0, 10, 7}));
    EXPECT_EQ(small.target, (Rect{7, 6, 17, 13}));
    lumo::Placement const large = lumo::NaturalPlacement(40, 7, 25, 20);
    EXPECT_EQ(large.source, (Rect{0, 0, 25, 7}));
    EXPECT_EQ(large.target, (Rect{0, 6, 25, 13}));
}

TEST(ImageLayout, AttentionCoversEverythingAroundTheRectangleOnce)
{
    std::vector<Rect> const parts = lumo::AttentionRectangles(100, 80, Rect{20, 10, 70, 50});
    std::vector<Rect> const expected = {Rect{0, 0, 100, 10}, Rect{0, 10, 20, 50}, Rect{70, 10, 100, 50},
                                        Rect{0, 50, 100, 80}};
    EXPECT_EQ(parts, expected);
}
} // namespace
