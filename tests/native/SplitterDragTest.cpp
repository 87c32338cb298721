// Where a dragged splitter bar proposes to go.
#include "LumoControls/LumoSplitter/SplitterDrag.h"

#include <gtest/gtest.h>

TEST(SplitterProposal, TheBarStaysWithinItsParentAndCentresOnTheCursor)
{
    EXPECT_EQ(lumo::SplitterProposal(-8, 4, 300), 0) << "dragged past the left edge";
    EXPECT_EQ(lumo::SplitterProposal(120, 4, 300), 118);
    EXPECT_EQ(lumo::SplitterProposal(121, 5, 300), 119) << "half the weight, truncated";
    EXPECT_EQ(lumo::SplitterProposal(900, 4, 300), 296) << "the whole bar stays inside";
    EXPECT_EQ(lumo::SplitterProposal(10, 4, 2), 0) << "a parent thinner than the bar";
}
