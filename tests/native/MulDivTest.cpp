#include "LumoControls/DrawTools/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{
struct MulDivCase
{
    int a, b, c, expected;
};

void PrintTo(MulDivCase const& t, std::ostream* out)
{
    *out << t.a << " * " << t.b << " / " << t.c;
}

class MulDivTest : public testing::TestWithParam<MulDivCase>
{
};

TEST_P(MulDivTest, RoundsHalvesAwayFromZeroThroughA64BitIntermediate)
{
    MulDivCase const& t = GetParam();
    EXPECT_EQ(lumo::MulDiv(t.a, t.b, t.c), t.expected) << t.a << " * " << t.b << " / " << t.c;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MulDivTest,
    testing::Values(MulDivCase{5, 1, 2, 3},                         // +2.5 rounds up
                    MulDivCase{-5, 1, 2, -3},                       // -2.5 rounds away from zero, not up
                    MulDivCase{5, -1, 2, -3},                       // sign on the multiplier
                    MulDivCase{5, 1, -2, -3},                       // sign on the divisor
                    MulDivCase{-5, 1, -2, 3},                       // two negatives make a positive half
                    MulDivCase{7, 1, 4, 2},                         // 1.75
                    MulDivCase{-7, 1, 4, -2},                       // -1.75
                    MulDivCase{9, 1, 4, 2},                         // 2.25 stays 2
                    MulDivCase{100, 255, 255, 100},                 // exact
                    MulDivCase{128, 225, 255, 113},                 // 112.94...
                    MulDivCase{0, 12345, 7, 0},                     //
                    MulDivCase{1, 1, 0, -1},                        // zero divisor
                    MulDivCase{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, // needs 64 bits in between
                    MulDivCase{65536, 65536, 2, -1},                // 2^31 does not fit
                    MulDivCase{INT_MIN, 1, 1, -1},                  // -2^31 is outside the symmetric range
                    MulDivCase{-INT_MAX, 1, 1, -INT_MAX}));
} // namespace
