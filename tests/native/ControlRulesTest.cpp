// The window-free rules of in-cell controls: activation, check values and glyphs, part rectangles, the
// drop-down list's size, editor placement and progress bars.
#include "LumoControls/TreeGrid/ControlRules.h"

#include <gtest/gtest.h>

namespace
{
using namespace lumo;

TEST(ControlRules, ProgressBarsNeverEditAndComboBoxesAlwaysDo)
{
    EXPECT_EQ(EffectiveActivation(ControlKind::kProgress, Activation::kOnClick), 0);
    EXPECT_EQ(EffectiveActivation(ControlKind::kEdit, Activation::kOnClick), Activation::kOnClick);
    EXPECT_EQ(EffectiveActivation(ControlKind::kEdit, 0), Activation::kDefault);
    EXPECT_FALSE(OpensEditor(ControlKind::kProgress, Activation::kDefault));
    EXPECT_FALSE(OpensEditor(ControlKind::kNone, Activation::kDefault));
    EXPECT_FALSE(OpensEditor(0, Activation::kDefault));
    EXPECT_FALSE(OpensEditor(ControlKind::kEdit, Activation::kNone));
    EXPECT_TRUE(OpensEditor(ControlKind::kComboBox, Activation::kNone));
    for (int activation :
         {Activation::kDefault, Activation::kOnFocus, Activation::kOnClick, Activation::kOnDblClick})
        EXPECT_TRUE(OpensEditor(ControlKind::kEdit, activation)) << activation;
}

TEST(ControlRules, ACheckClickChecksIndeterminateAndUncheckedAndUnchecksChecked)
{
    EXPECT_EQ(NextCheckValue(0), 1);
    EXPECT_EQ(NextCheckValue(2), 1);
    EXPECT_EQ(NextCheckValue(1), 0);
}

TEST(ControlRules, GlyphsOffsetTheirBaseByHoverPressOrDisabled)
{
    struct
    {
        int kind, value;
        bool disabled, hover, pressed;
        int expected;
    } const cases[] = {
        {ControlKind::kRadioButton, 0, false, false, false, 1},
        {ControlKind::kRadioButton, 1, false, true, false, 6},
        {ControlKind::kCheckBox, 0, false, true, true, 11},
        {ControlKind::kCheckBox, 1, false, false, false, 13},
        {ControlKind::kCheckBox, 2, true, true, true, 20},
        {ControlKind::kDropDown, 0, false, false, true, 22},
    };
    for (auto const& c : cases)
        EXPECT_EQ(CheckGlyphIndex(c.kind, c.value, c.disabled, c.hover, c.pressed), c.expected)
            << c.kind << "/" << c.value;
}

TEST(ControlRules, ButtonPartsSitAtTheRightAndNeverStartLeftOfTheCell)
{
    Rect const inner{10, 2, 80, 20};
    EXPECT_EQ(ControlPartRect(ControlKind::kSpin, inner), (Rect{64, 2, 80, 20}));
    EXPECT_EQ(ControlPartRect(ControlKind::kComboBox, Rect{10, 2, 20, 20}), (Rect{10, 2, 20, 20}));
    EXPECT_EQ(ControlPartRect(ControlKind::kLink, inner), inner);
    EXPECT_EQ(ControlPartRect(ControlKind::kCheckBox, inner), Rect{});
}

TEST(ControlRules, ListItemsRoundUpToFourAndTheListStopsAtTwoHundredPixels)
{
    EXPECT_EQ(ListItemHeight(16, 13), 16);
    EXPECT_EQ(ListItemHeight(0, 13), 16);
    EXPECT_EQ(ListItemHeight(17, 0), 20);
    EXPECT_EQ(ListHeight(16, 3), 50);
    EXPECT_EQ(ListHeight(16, 1000), 16 * 12 + 2);
    EXPECT_EQ(ListHeight(0, 5), 2);
}

TEST(ControlRules, EditorsCoverTheTextOrGrowWithItByTheCaretsRoom)
{
    EditorPlacement p{Rect{20, 2, 60, 18}, Rect{0, 0, 100, 20}, false, false, false, Size{}};
    EXPECT_EQ(PlaceEditor(p), (Rect{20, 2, 97, 19}));
    p.rightAligned = true;
    EXPECT_EQ(PlaceEditor(p), (Rect{3, 2, 60, 19}));
    p.fixedSize = true;
    EXPECT_EQ(PlaceEditor(p), (Rect{20, 2, 60, 19}));
    p.fixedSize = false;
    p.autoSize = true;
    p.measured = Size{70, 20};
    EXPECT_EQ(PlaceEditor(p), (Rect{-14, 2, 60, 26}));
    p.rightAligned = false;
    EXPECT_EQ(PlaceEditor(p), (Rect{20, 2, 94, 26}));
    p.textPart = Rect{};
    p.measured = Size{10, 5};
    EXPECT_EQ(PlaceEditor(p), (Rect{0, 0, 100, 20}));
}

TEST(ControlRules, ProgressIsBoundedLabelledAndFilledFromItsReadingStart)
{
    ProgressPlan const half = PlanProgress(Rect{0, 0, 102, 10}, 50, false);
    EXPECT_EQ(half.label, L"50%");
    EXPECT_EQ(half.filled, (Rect{1, 1, 52, 9}));
    ProgressPlan const mirrored = PlanProgress(Rect{0, 0, 102, 10}, 50, true);
    EXPECT_EQ(mirrored.filled, (Rect{50, 1, 101, 9}));
    ProgressPlan const over = PlanProgress(Rect{0, 0, 102, 10}, 150, false);
    EXPECT_EQ(over.value, 100);
    EXPECT_EQ(over.filled, (Rect{1, 1, 101, 9}));
    EXPECT_EQ(PlanProgress(Rect{0, 0, 102, 10}, -5, false).label, L"0%");
}
} // namespace
