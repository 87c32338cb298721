// The geometry of painting: background bands, text placement and flags, tree lines, selection highlights
// and the state a cell is painted in.
#include "LumoControls/TreeGrid/PaintPlan.h"

#include <gtest/gtest.h>

namespace lumo
{
void PrintTo(Segment const& s, std::ostream* out)
{
    *out << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}
} // namespace lumo

namespace
{
using namespace lumo;

TEST(PaintPlan, BandsStackDownOrLieSideBySideOverTheRectangleAndTwoPixelsMore)
{
    std::vector<Band> const bands{{1, 2, 50}, {3, 4, 50}};
    BandPlan const stacked = PlanBands(Rect{10, 20, 60, 40}, bands, 1);
    EXPECT_EQ(stacked.clip, (Rect{12, 22, 60, 40}));
    ASSERT_EQ(stacked.bands.size(), 2u);
    EXPECT_EQ(stacked.bands[0].rect, (Rect{10, 20, 62, 31}));
    EXPECT_EQ(stacked.bands[1].rect, (Rect{10, 31, 62, 42}));
    EXPECT_FALSE(stacked.bands[1].acrossWidth);
    EXPECT_EQ(stacked.bands[1].from, 3u);
    BandPlan const sideBySide = PlanBands(Rect{10, 20, 60, 40}, bands, 2);
    EXPECT_EQ(sideBySide.bands[0].rect, (Rect{10, 20, 36, 42}));
    EXPECT_EQ(sideBySide.bands[1].rect, (Rect{36, 20, 62, 42}));
    EXPECT_TRUE(sideBySide.bands[0].acrossWidth);
}

TEST(PaintPlan, TextFlagsAndPlaceFollowAlignmentMirrorAndLines)
{
    Rect const text{5, 5, 50, 18};
    Rect const inner{0, 0, 100, 30};
    struct
    {
        int alignment;
        bool mirror;
        bool multiline;
        Rect rect;
        unsigned flags;
    } const cases[] = {
        {0, false, false, text, 0xA820},
        {4, false, false, text, 0xA821},
        {7, true, false, text, 0xA820},
        {1, true, false, text, 0xA822},
        {2, false, false, {5, 0, 50, 30}, 0xA820},
        {9, false, false, {5, 17, 50, 30}, 0xA822},
        {5, false, true, {5, 0, 50, 30}, 0x811},
    };
    for (auto const& c : cases)
    {
        TextPlacement const placed = PlaceText(text, inner, c.alignment, c.mirror, c.multiline);
        EXPECT_EQ(placed.rect, c.rect) << c.alignment;
        EXPECT_EQ(placed.flags, c.flags) << c.alignment;
    }
}

TEST(PaintPlan, TreeLinesJoinSiblingsChildrenAndContinuingAncestors)
{
    TreeLineRow first{};
    first.outer = Rect{0, 0, 100, 20};
    first.indentation = 20;
    first.buttonWidth = 11;
    first.expandButtons = true;
    first.firstTopLevel = true;
    first.hasNext = true;
    EXPECT_EQ(TreeLineSegments(first), (std::vector<Segment>{{5, 11, 5, 19}, {5, 9, 15, 9}}))
        << "the first top-level node starts below its middle";

    TreeLineRow child = first;
    child.level = 1;
    child.firstTopLevel = false;
    child.hasPrevious = true;
    child.expandedParent = true;
    child.textBottom = 15;
    child.ancestorsContinue = {true};
    EXPECT_EQ(TreeLineSegments(child),
              (std::vector<Segment>{{25, 0, 25, 19}, {45, 15, 45, 19}, {25, 9, 35, 9}, {5, 0, 5, 20}}));

    TreeLineRow single = first;
    single.hasNext = false;
    EXPECT_EQ(TreeLineSegments(single), (std::vector<Segment>{{5, 9, 15, 9}}))
        << "a single root has no upright";
    single.expandButtons = false;
    EXPECT_TRUE(TreeLineSegments(single).empty()) << "left of the cell";

    TreeLineRow mirrored = child;
    mirrored.mirror = true;
    mirrored.expandedParent = false;
    mirrored.ancestorsContinue.clear();
    EXPECT_EQ(TreeLineSegments(mirrored), (std::vector<Segment>{{75, 0, 75, 19}, {65, 9, 75, 9}}));
}

TEST(PaintPlan, HighlightsCoverWhatTheSelectionModeSelects)
{
    CellGeometry geometry;
    geometry.outer = Rect{0, 0, 100, 20};
    geometry.content = Rect{-2, 0, 42, 16};
    geometry.parts = {{{0, 0, 16, 16}, kPartIcon}, {{18, 2, 39, 15}, kPartText}};
    struct
    {
        int mode;
        std::vector<Rect> rects;
    } const cases[] = {
        {1, {{0, 0, 16, 16}}},
        {2, {{16, 1, 39, 16}}},
        {3, {{-2, 0, 42, 16}}},
        {4, {}},
        {7, {{-2, 0, 42, 16}}},
        {8, {{0, 0, 100, 20}}},
        {5, {}},
    };
    for (auto const& c : cases)
        EXPECT_EQ(HighlightRects(c.mode, geometry), c.rects) << c.mode;
    geometry.parts.push_back({{30, 0, 60, 16}, kPartControl});
    EXPECT_EQ(HighlightRects(7, geometry), (std::vector<Rect>{{30, 0, 42, 16}}))
        << "content and control overlap";
}

TEST(PaintPlan, ACellIsPaintedInItsStateRaisedToItsRowOrColumnUnlessDisabledOrEdited)
{
    struct
    {
        CellStateInput input;
        VisualState state;
    } const cases[] = {
        {{kStateHover, 0, 0, true, false, false, false}, kStateSelect | kStateFocus},
        {{0, kStateSelect, 0, false, false, true, false}, kStateSelect},
        {{kStateHover, 0, kStateSelect, false, true, false, false}, kStateSelect},
        {{kStateSelect, 0, kStateHover, false, true, false, false}, kStateSelect},
        {{kStateDisable, kStateSelect, 0, false, false, true, false}, kStateDisable},
        {{0, kStateSelect, 0, false, false, false, true}, kStateFocus},
    };
    for (auto const& c : cases)
        EXPECT_EQ(CellPaintState(c.input), c.state);
}
} // namespace
