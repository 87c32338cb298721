#include "LumoControls/DrawTools/Gradient.h"
#include "LumoCtrls/ColorArithmetic.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using lumo::Rect;

struct Operation
{
    bool linear;
    Rect rect;
    COLORREF from; // the fill colour of a fill
    COLORREF to;
    bool horizontal;

    bool operator==(Operation const& other) const
    {
        return linear == other.linear && rect == other.rect && from == other.from && to == other.to &&
               horizontal == other.horizontal;
    }
};

std::ostream& operator<<(std::ostream& out, Operation const& op)
{
    out << (op.linear ? "linear " : "fill ") << "[" << op.rect.left << "," << op.rect.top << ","
        << op.rect.right << "," << op.rect.bottom << "] " << std::hex << op.from;
    if (op.linear)
        out << "->" << op.to << (op.horizontal ? " h" : " v");
    return out << std::dec;
}

class Recorder : public lumo::IGradientSink
{
public:
    void Fill(Rect const& rect, COLORREF color) override
    {
        operations.push_back({false, rect, color, 0, false});
    }
    void LinearGradient(Rect const& rect, COLORREF from, COLORREF to, bool horizontal) override
    {
        operations.push_back({true, rect, from, to, horizontal});
    }
    std::vector<Operation> operations;
};

Operation FillOp(Rect rect, COLORREF color)
{
    return {false, rect, color, 0, false};
}

TEST(Gradient, BandsStepFromStartAndTheLastColumnKeepsTheEndFill)
{
    // Width 7: n = 5, bands at 0, 2, 4; the column at 6 keeps the end colour of the first fill.
    Recorder recorder;
    lumo::PlanGradient(recorder, Rect{10, 0, 17, 3}, 0x000000, 0x0000FA, true, false);
    std::vector<Operation> const expected = {
        FillOp({10, 0, 17, 3}, 0x0000FA), FillOp({10, 0, 12, 3}, 0x000000),
        FillOp({12, 0, 14, 3}, 0x000064), // 250 * 2 / 5 = 100
        FillOp({14, 0, 16, 3}, 0x0000C8), // 250 * 4 / 5 = 200
    };
    EXPECT_EQ(recorder.operations, expected);
}

TEST(Gradient, AnEvenRunEndsOnABandOfTheEndColour)
{
    // Height 6: n = 4, bands at 0, 2, 4 down the rectangle; channels step independently, rounding halves up.
    Recorder recorder;
    lumo::PlanGradient(recorder, Rect{0, 5, 3, 11}, 0x102030, 0x112233, false, false);
    std::vector<Operation> const expected = {
        FillOp({0, 5, 3, 11}, 0x112233),
        FillOp({0, 5, 3, 7}, 0x102030),
        FillOp({0, 7, 3, 9}, 0x112132), // +1/2 of (3, 2, 1) per channel, halves away from zero
        FillOp({0, 9, 3, 11}, 0x112233),
    };
    EXPECT_EQ(recorder.operations, expected);
}

TEST(Gradient, DescendingChannelsRoundAwayFromZero)
{
    EXPECT_EQ(lumo::BandColor(0x0000FF, 0x000000, 1, 2), 0x00007F); // 255 - 127.5 -> 255 - 128
    EXPECT_EQ(lumo::BandColor(0xABCDEF, 0x000000, 0, 0), 0xABCDEFu);
    EXPECT_EQ(lumo::BandColor(0xFFABCDEF, 0x000000, 0, 0), 0xABCDEFu);
}

TEST(TwoSegmentGradient, ModeOneIsTheLinearGradientOfTheTwoHlsColours)
{
    for (bool fill : {false, true})
    {
        Recorder twoSegment;
        Recorder linear;
        lumo::GradientColors const colors = lumo::HlsGradientColors(143, 240, 215, 180);
        lumo::PlanTwoSegmentGradient(twoSegment, Rect{0, 0, 9, 20}, colors, false, 1, fill);
        lumo::PlanGradient(linear, Rect{0, 0, 9, 20}, HLS2RGB(0xF0D78F), HLS2RGB(0xF0B48F), false, fill);
        EXPECT_EQ(twoSegment.operations, linear.operations);
    }
}

TEST(TwoSegmentGradient, MiddleColourShiftsTheHueByFourAndAveragesTheLightness)
{
    lumo::GradientColors const colors = lumo::HlsGradientColors(254, 200, 100, 151);
    EXPECT_EQ(colors.first, HLS2RGB(254 | 100 << 8 | 200 << 16));
    EXPECT_EQ(colors.second, HLS2RGB(254 | 151 << 8 | 200 << 16));
    EXPECT_EQ(colors.middle, HLS2RGB(2 | 125 << 8 | 200 << 16)); // hue 258 wraps to 2 as a byte
}

TEST(TwoSegmentGradient, WithThePlatformFillTheSegmentsMeetAtThreeEighths)
{
    Recorder recorder;
    lumo::GradientColors const colors{0x01, 0x02, 0x03};
    lumo::PlanTwoSegmentGradient(recorder, Rect{10, 0, 50, 8}, colors, true, 2, true);
    // Span 40: boundary 15.
    std::vector<Operation> const expected = {
        FillOp({10, 0, 50, 8}, 0x02),
        {true, {10, 0, 25, 8}, 0x01, 0x03, true},
        {true, {25, 0, 50, 8}, 0x02, 0x03, true},
    };
    EXPECT_EQ(recorder.operations, expected);
}

TEST(TwoSegmentGradient, BandsOfTheSecondSegmentContinueTheOffsetsOfTheFirst)
{
    // Span 10 down: n = 8, boundary 3: bands 0 and 2 run from first towards middle, bands 4, 6, 8 from
    // second towards middle, all with offset i over n.
    Recorder recorder;
    lumo::GradientColors const colors{0x000000, 0x000050, 0x0000A0};
    lumo::PlanTwoSegmentGradient(recorder, Rect{0, 0, 4, 10}, colors, false, 2, false);
    std::vector<Operation> const expected = {
        FillOp({0, 0, 4, 10}, 0x000050), FillOp({0, 0, 4, 2}, 0x000000),
        FillOp({0, 2, 4, 4}, 0x000028),  FillOp({0, 4, 4, 6}, 0x000078), // 0x50 + 0x50 * 4 / 8
        FillOp({0, 6, 4, 8}, 0x00008C),  FillOp({0, 8, 4, 10}, 0x0000A0),
    };
    EXPECT_EQ(recorder.operations, expected);
}
} // namespace
