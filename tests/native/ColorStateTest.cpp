#include "LumoControls/DrawTools/ColorState.h"
#include "LumoControls/DrawTools/DisplayRules.h"
#include "LumoCtrls/ColorArithmetic.h"
#include "LumoCtrls/ThemeColors.h"

#include <gtest/gtest.h>

namespace
{
class FakeVisualStyles : public lumo::IVisualStyles
{
public:
    FakeVisualStyles(bool present, int composition) : m_present(present), m_composition(composition) {}
    bool Load() override
    {
        ++loads;
        return m_present;
    }
    int IsCompositionActive() override { return m_composition; }
    int loads = 0;

private:
    bool m_present;
    int m_composition;
};

TEST(ColorState, IsZeroUntilRefreshedThenTakesTheHintAndTheCompositionFlag)
{
    lumo::ColorState state;
    EXPECT_EQ(state.hintColor, 0u);
    EXPECT_EQ(state.stylesInstalled, 0);

    FakeVisualStyles styles(true, 1);
    state.Refresh(styles);
    EXPECT_EQ(state.hintColor, 0x5BC0FFu);
    EXPECT_EQ(state.stylesInstalled, 1);
    EXPECT_EQ(state.compositionActive, 1);
    EXPECT_EQ(styles.loads, 1);
    state.Refresh(styles);
    EXPECT_EQ(styles.loads, 2); // loaded again on every refresh
}

TEST(ColorState, NativeModeLeavesTheVisualStylesAloneAndCompositionOff)
{
    lumo::ColorState state;
    state.nativeMode = 1;
    FakeVisualStyles styles(true, 1);
    state.Refresh(styles);
    EXPECT_EQ(styles.loads, 0);
    EXPECT_EQ(state.compositionActive, 0);
    EXPECT_EQ(state.stylesInstalled, 1); // the state is still computed
    EXPECT_EQ(state.hintColor, 0x5BC0FFu);
}

TEST(ColorState, WithoutAVisualStyleLibraryCompositionIsOff)
{
    lumo::ColorState state;
    state.compositionActive = 1;
    FakeVisualStyles styles(false, 1);
    state.Refresh(styles);
    EXPECT_EQ(state.compositionActive, 0);
}

TEST(DerivedColors, FollowTheHintColourOfTheProcessState)
{
    // (The values after a refresh are checked through the library's exports under Wine.)
    COLORREF first = 1, second = 1;
    lumo::ProcessColorState().hintColor = 0;
    GetHotColors(first, second);
    EXPECT_EQ(second, 0u); // before the first refresh the hint is black
    EXPECT_EQ(first, HLS_TRANSFORM(0, 70, 0));
    lumo::ProcessColorState().hintColor = 0x0000FF;
    GetSelectionColors(first, second);
    EXPECT_EQ(first, HLS_TRANSFORM(0x0000FF, 30, 0));
    GetHotSelectionColors(first, second);
    EXPECT_EQ(second, HLS_TRANSFORM(0x0000FF, 30, 0)) << "the selection pair swapped";
}

TEST(DisplayRules, FontHeightAndColourCount)
{
    EXPECT_EQ(lumo::FontHeightForPoints(8, 96), -11); // 10.67 rounds to 11
    EXPECT_EQ(lumo::FontHeightForPoints(9, 96), -12);
    EXPECT_EQ(lumo::FontHeightForPoints(10, 120), -17);
    EXPECT_EQ(lumo::CountOfColorsForDepth(8, 1), 0);  // a palette display
    EXPECT_EQ(lumo::CountOfColorsForDepth(15, 1), 0); // one byte and a bit
    EXPECT_EQ(lumo::CountOfColorsForDepth(16, 1), 3);
    EXPECT_EQ(lumo::CountOfColorsForDepth(32, 1), 3);
    EXPECT_EQ(lumo::CountOfColorsForDepth(4, 4), 3); // planes count too
}
} // namespace
