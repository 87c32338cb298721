// Setters keep a style minimal: they store a value only when it differs from what the style shows anyway.
#include "native/StyleFixtures.h"

#include <gtest/gtest.h>

namespace
{
using namespace lumo;
using lumo::test::FixedPlatform;
using lumo::test::RecordingRegistry;

class Setters : public ::testing::Test
{
protected:
    FixedPlatform m_platform;
    RecordingRegistry m_registry{m_platform};
    ObjStyle& m_parent = m_registry.NewObjStyle();
    ObjStyle& m_style = m_registry.NewObjStyle(ObjectType::Cell, &m_parent);
};

TEST_F(Setters, AWriteForAStateCreatesItsPaintStyleEvenWhenNothingIsStored)
{
    m_parent.SetTextColor(kStateHover, 0x0000FF);
    m_style.SetTextColor(kStateHover, 0x0000FF); // what it shows already
    EXPECT_TRUE(m_style.HasPaintStyle(kStateHover));
    EXPECT_FALSE(m_style.GetPaintStyle(kStateHover)->HasTextColor());
    EXPECT_FALSE(m_style.IsSet());
    m_style.SetTextColor(kStateHover, 0x00FF00);
    EXPECT_EQ(m_style.GetPaintStyle(kStateHover)->GetTextColor(), 0x00FF00u);
}

TEST_F(Setters, PaddingEqualToTheInheritedOneStaysUnsetAndFollowsLaterChanges)
{
    m_parent.StorePadding(Rect{4, 4, 4, 4});
    m_style.SetPadding(Rect{4, 4, 4, 4});
    EXPECT_EQ(m_style.OwnPadding().left, -1);
    EXPECT_EQ(m_registry.layouts, 0);
    m_parent.StorePadding(Rect{6, 6, 6, 6});
    EXPECT_EQ(m_style.GetPadding(), (Rect{6, 6, 6, 6}));
    m_style.SetPadding(Rect{1, 2, 3, 4});
    EXPECT_EQ(m_style.OwnPadding(), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(m_registry.layouts, 1) << "a changed padding lays the grid out again";
    m_style.SetPadding(Rect{6, 6, 6, 6}); // back to the inherited value: the own one goes
    EXPECT_EQ(m_style.OwnPadding().left, -1);
}

TEST_F(Setters, BorderRadiusIgnoresItsOwnValueAndDropsAnInheritedOne)
{
    m_parent.StoreBorderRadius(3);
    m_style.SetBorderRadius(3);
    EXPECT_EQ(m_style.OwnBorderRadius(), -1);
    m_style.SetBorderRadius(5);
    EXPECT_EQ(m_style.OwnBorderRadius(), 5);
    m_style.SetBorderRadius(5);
    EXPECT_EQ(m_style.OwnBorderRadius(), 5);
    m_style.SetBorderRadius(3);
    EXPECT_EQ(m_style.OwnBorderRadius(), -1);
}

TEST_F(Setters, CursorAndFontAreStoredWithoutComparing)
{
    m_parent.SetCursor(2);
    m_style.SetCursor(2);
    EXPECT_EQ(m_style.OwnCursor(), 2);
    FontSpec font;
    font.face = L"Tahoma";
    m_parent.SetFont(kStateNormal, font);
    m_style.SetFont(kStateNormal, font);
    EXPECT_NE(m_style.GetPaintStyle(kStateNormal)->GetFont(), nullptr);
}

TEST_F(Setters, BandsAppendAndAnUnsetColourClearsThem)
{
    m_style.AddBackgroundColor(kStateSelect, 1, 2, 50);
    m_style.AddBackgroundColor(kStateSelect, 3, 4, 50);
    EXPECT_EQ(m_style.GetPaintStyle(kStateSelect)->GetBackgroundColors().size(), 2u);
    m_style.AddBackgroundColor(kStateSelect, 0xFFFFFFFF, 4, 50);
    EXPECT_TRUE(m_style.GetPaintStyle(kStateSelect)->GetBackgroundColors().empty());
}

TEST_F(Setters, ClearingAllClearsEveryOtherStateButKeepsAllsOwnBands)
{
    for (VisualState state : {kStateAll, kStateNormal, kStateHover, kStatePush})
        m_style.AddBackgroundColor(state, 1, 1, 100);
    m_style.ClearBackgroundColors(kStateAll);
    EXPECT_TRUE(m_style.GetPaintStyle(kStateNormal)->GetBackgroundColors().empty());
    EXPECT_TRUE(m_style.GetPaintStyle(kStatePush)->GetBackgroundColors().empty());
    EXPECT_EQ(m_style.GetPaintStyle(kStateAll)->GetBackgroundColors().size(), 1u);
    m_style.ClearBackgroundColors(kStateAll | kStateSelect);
    EXPECT_EQ(m_style.GetPaintStyle(kStateAll)->GetBackgroundColors().size(), 1u);
    m_style.AddBackgroundColor(kStateHover, 1, 1, 100);
    m_style.ClearBackgroundColors(kStateHover);
    EXPECT_TRUE(m_style.GetPaintStyle(kStateHover)->GetBackgroundColors().empty());
}

TEST_F(Setters, DirectionTextColourAndPlacementStoreWhenTheEffectiveValueDiffers)
{
    m_style.GetOrCreatePaintStyle(kStateNormal).SetGradientDirection(1);
    m_style.SetGradientDirection(kStateHover, 1); // HOVER shows NORMAL's through the fallback
    EXPECT_EQ(m_style.GetPaintStyle(kStateHover)->GetGradientDirection(), 0);
    m_parent.SetAlignment(4);
    m_style.SetAlignment(4);
    EXPECT_EQ(m_style.OwnAlignment(), 0);
    m_parent.SetIconPosition(2);
    m_style.SetIconPosition(1);
    EXPECT_EQ(m_style.OwnIconPosition(), 1);
    // The own value is not cleared first: going back to the inherited value stores it as the own one
    // (unlike the selection mode below, whose own value is cleared before the comparison).
    m_style.SetIconPosition(2);
    EXPECT_EQ(m_style.OwnIconPosition(), 2);
}

TEST_F(Setters, SpacingAndMirrorRecordThatTheyWereSet)
{
    m_style.SetSpaceTextIcon(0); // equals the effective 0: nothing stored
    EXPECT_FALSE(m_style.HasOwnSpace());
    m_style.SetSpaceTextIcon(6);
    EXPECT_TRUE(m_style.HasOwnSpace());
    m_style.ResetSpaceTextIcon();
    EXPECT_FALSE(m_style.HasOwnSpace());
    m_parent.SetMirrorEffect(true);
    m_style.SetMirrorEffect(false);
    EXPECT_TRUE(m_style.HasOwnMirror());
    EXPECT_FALSE(m_style.GetMirrorEffect());
    m_style.ResetMirrorEffect();
    EXPECT_TRUE(m_style.GetMirrorEffect());
}

TEST_F(Setters, ImageValuesDropTheOwnValueBeforeComparing)
{
    m_parent.SetImage(kStateNormal, L"logo");
    m_style.SetImage(kStateNormal, L"other");
    EXPECT_EQ(m_style.GetPaintStyle(kStateNormal)->GetImage(), L"other");
    m_style.SetImage(kStateNormal, L"logo"); // the own value goes; the inherited one equals: nothing stored
    EXPECT_EQ(m_style.GetPaintStyle(kStateNormal)->GetImage(), L"");
    EXPECT_EQ(m_style.GetImage(kStateNormal), L"logo");

    m_style.SetCrop(kStateNormal, Rect{1, 1, 5, 5});
    m_style.SetCrop(kStateNormal, Rect{0, 0, 0, 0});
    EXPECT_FALSE(m_style.GetPaintStyle(kStateNormal)->HasCrop());
    m_style.SetImageOffset(kStateNormal, Point{2, 2});
    EXPECT_EQ(m_style.GetImageOffset(kStateNormal), (Point{2, 2}));
    m_style.SetImageFill(kStateNormal, 6);
    m_style.SetImageAlign(kStateNormal, 9);
    EXPECT_EQ(m_style.GetPaintStyle(kStateNormal)->GetImageFill(), 6);
    EXPECT_EQ(m_style.GetPaintStyle(kStateNormal)->GetImageAlign(), 9);
}

TEST_F(Setters, BorderSetsAllChosenSidesUnlessTheResolvedNameIsTheSame)
{
    m_style.SetBorder(kStateHover, L"gray-border", kSideLeft | kSideBottom);
    PaintStyle const& hover = *m_style.GetPaintStyle(kStateHover);
    EXPECT_EQ(hover.GetBorder(kSideLeft), L"gray-border");
    EXPECT_EQ(hover.GetBorder(kSideBottom), L"gray-border");
    EXPECT_EQ(hover.GetBorder(kSideAll), L"gray-border") << "any side also stores the all-sides key";
    EXPECT_EQ(hover.GetBorder(kSideTop), L"");

    m_parent.SetBorder(kStateSelect, L"blue-border", kSideAll);
    m_style.SetBorder(kStateSelect, L"blue-border", kSideAll);
    EXPECT_TRUE(m_style.GetPaintStyle(kStateSelect)->GetBorders().empty()) << "inherited already";

    m_style.RemoveBorder(kStateHover, kSideLeft | kSideRight);
    EXPECT_EQ(hover.GetBorder(kSideLeft), L"");
    EXPECT_EQ(hover.GetBorder(kSideBottom), L"gray-border");
    m_style.RemoveBorder(kStateHover, kSideAll);
    EXPECT_TRUE(hover.GetBorders().empty());
}

TEST_F(Setters, OffsetZeroRemovesTheEntryAndAllClearsTheTable)
{
    m_style.SetOffsetTextIcon(kStateHover, Point{1, 2});
    m_style.SetOffsetTextIcon(kStateSelect, Point{3, 4});
    m_style.SetOffsetTextIcon(kStateHover, Point{0, 0});
    EXPECT_EQ(m_style.OwnOffset(kStateHover), nullptr);
    ASSERT_NE(m_style.OwnOffset(kStateSelect), nullptr);
    m_parent.SetOffsetTextIcon(kStateNormal, Point{5, 5});
    m_style.SetOffsetTextIcon(kStateNormal, Point{5, 5});
    EXPECT_EQ(m_style.OwnOffset(kStateNormal), nullptr) << "inherited already";
    m_style.RemoveOffsetTextIcon(kStateAll);
    EXPECT_FALSE(m_style.HasOffsets());
}

TEST_F(Setters, SelectionModeActivationReadOnlyAndControlKind)
{
    m_parent.SetSelectionMode(3);
    m_style.SetSelectionMode(8);
    m_style.SetSelectionMode(3); // own cleared, then equal to the inherited: stays cleared
    EXPECT_EQ(m_style.OwnSelectionMode(), 0);
    m_style.SetActivation(5);
    EXPECT_EQ(m_style.OwnActivation(), 5);

    m_style.SetReadOnly(true);
    EXPECT_EQ(m_registry.endedEdits, 1) << "an edit in progress ends before the cell becomes read-only";
    m_style.SetReadOnly(false);
    EXPECT_EQ(m_registry.endedEdits, 1);
    EXPECT_FALSE(m_style.OwnReadOnly());

    m_style.SetControlKind(7);
    EXPECT_EQ(m_registry.endedEdits, 2);
    m_style.SetControlKind(7);
    EXPECT_EQ(m_registry.endedEdits, 2) << "no change, no interruption";
}

TEST_F(Setters, ResetEmptiesStylesAndPaintStyles)
{
    m_style.SetCursor(3);
    m_style.SetPadding(Rect{1, 1, 1, 1});
    m_style.SetBorderRadius(4);
    m_style.SetTextColor(kStateNormal, 5);
    m_style.Reset();
    EXPECT_FALSE(m_style.HasPaintStyle(kStateNormal));
    EXPECT_EQ(m_style.OwnPadding().left, -1);
    EXPECT_EQ(m_style.OwnBorderRadius(), -1);
    EXPECT_EQ(m_style.OwnCursor(), 3) << "the cursor stays";

    PaintStyle& paint = m_style.GetOrCreatePaintStyle(kStateHover);
    paint.SetTextColor(1);
    paint.SetImage(L"x");
    paint.SetImageOffset(Point{1, 1});
    paint.SetBorder(L"b", kSideAll);
    paint.Reset();
    ASSERT_NE(paint.GetFont(), nullptr);
    EXPECT_EQ(paint.GetFont()->face, L"Tahoma") << "the tree grid's shared font";
    EXPECT_FALSE(paint.HasTextColor());
    EXPECT_EQ(paint.GetImage(), L"");
    EXPECT_TRUE(paint.GetBorders().empty());
    EXPECT_EQ(paint.GetImageOffset(), (Point{1, 1})) << "the offset stays";
}

TEST_F(Setters, IsSetNoticesEveryKindOfValue)
{
    EXPECT_FALSE(m_style.IsSet());
    m_style.GetOrCreatePaintStyle(kStateNormal); // an empty paint style is not a setting
    EXPECT_FALSE(m_style.IsSet());
    m_style.SetActivation(2);
    EXPECT_TRUE(m_style.IsSet());
    Style& plain = m_registry.NewStyle();
    plain.SetOffsetTextIcon(kStateHover, Point{0, 3});
    EXPECT_TRUE(plain.IsSet());
    DrawStyle& draw = m_registry.NewDrawStyle();
    draw.SetCursor(1);
    EXPECT_TRUE(draw.IsSet());
}
} // namespace
