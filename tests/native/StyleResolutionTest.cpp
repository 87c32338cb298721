// How each kind of value resolves along own state, ALL, the control default style, the parents and the
// fallback state; each property's own rules are tested by itself.
#include "native/StyleFixtures.h"

#include "LumoControls/TreeGrid/VisualStates.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using namespace lumo;
using lumo::test::FixedPlatform;
using lumo::test::RecordingRegistry;

TEST(VisualStates, EachStateHasOneSlotByPrecedence)
{
    struct
    {
        VisualState state;
        PaintSlot slot;
    } const table[] = {
        {kStateNormal, PaintSlot::Normal},
        {kStateAll | kStateDisable, PaintSlot::All},
        {kStateDisable | kStateHover, PaintSlot::Disable},
        {kStateFocus | kStatePush, PaintSlot::Focus},
        {kStatePush | kStateSelect, PaintSlot::Push},
        {kStateHiSelect, PaintSlot::HiSelect},
        {kStateSelect, PaintSlot::Select},
        {kStateHover, PaintSlot::Hover},
        {0x20, PaintSlot::Normal},
    };
    for (auto const& row : table)
        EXPECT_EQ(SlotOf(row.state), row.slot) << std::hex << row.state;
}

TEST(VisualStates, FallbackDropsOneStateAtATime)
{
    struct
    {
        VisualState state;
        VisualState fallback;
    } const table[] = {
        {kStateDisable | kStateSelect, kStateNormal},
        {kStateAll, kStateNormal},
        {kStateFocus | kStateSelect, kStateSelect},
        {kStatePush | kStateHover, kStateHover},
        {kStateHiSelect, kStateSelect},
        {kStateSelect, kStateNormal},
        {kStateHover, kStateNormal},
    };
    for (auto const& row : table)
        EXPECT_EQ(FallbackOf(row.state), row.fallback) << std::hex << row.state;
}

class Resolution : public ::testing::Test
{
protected:
    FixedPlatform m_platform;
    RecordingRegistry m_registry{m_platform};
};

TEST_F(Resolution, BandsPreferTheOwnStateToAllAndReachParentsOnlyThroughTheirOwnState)
{
    Style& parent = m_registry.NewStyle();
    Style& child = m_registry.NewStyle(ObjectType::ColumnHeader, &parent);
    child.AddBackgroundColor(kStateAll, 0x111111, 0x111111, 100);
    child.AddBackgroundColor(kStateHover, 0x222222, 0x222222, 100);
    EXPECT_EQ(child.GetBackgroundColors(kStateHover)[0].from, 0x222222u) << "own state first";
    EXPECT_EQ(child.GetBackgroundColors(kStateSelect)[0].from, 0x111111u) << "then ALL";

    Style& orphan = m_registry.NewStyle(ObjectType::ColumnHeader, &parent);
    parent.AddBackgroundColor(kStateAll, 0x333333, 0x333333, 100);
    EXPECT_TRUE(orphan.GetBackgroundColors(kStateSelect).empty()) << "a parent's ALL is not its own SELECT";
    parent.AddBackgroundColor(kStateSelect, 0x444444, 0x444444, 100);
    EXPECT_EQ(orphan.GetBackgroundColors(kStateSelect)[0].from, 0x444444u);
    EXPECT_EQ(orphan.GetBackgroundColors(kStateHiSelect)[0].from, 0x444444u) << "fallback HISELECT -> SELECT";
    EXPECT_EQ(orphan.GetBackgroundColors(kStateFocus | kStateSelect)[0].from, 0x444444u);
}

TEST_F(Resolution, TextColourAndDirectionLetAllWinOverTheOwnState)
{
    Style& style = m_registry.NewStyle();
    style.SetTextColor(kStateHover, 0x0000FF);
    style.GetOrCreatePaintStyle(kStateHover).SetGradientDirection(2);
    EXPECT_EQ(style.GetTextColor(kStateHover), 0x0000FFu);
    style.GetOrCreatePaintStyle(kStateAll).SetTextColor(0x00FF00);
    style.GetOrCreatePaintStyle(kStateAll).SetGradientDirection(1);
    EXPECT_EQ(style.GetTextColor(kStateHover), 0x00FF00u) << "ALL overrides the own HOVER colour";
    EXPECT_EQ(style.GetGradientDirection(kStateHover), 1);
    style.GetOrCreatePaintStyle(kStateAll).AddBackgroundColor(1, 1, 100);
    style.GetOrCreatePaintStyle(kStateHover).AddBackgroundColor(2, 2, 100);
    EXPECT_EQ(style.GetBackgroundColors(kStateHover)[0].from, 2u)
        << "but ALL's bands do not override HOVER's";
}

TEST_F(Resolution, CellTextColourComesFromTheFirstParentFirst)
{
    ObjStyle& nodeCell = m_registry.NewObjStyle();
    ObjStyle& columnCell = m_registry.NewObjStyle();
    ObjStyle& cell = m_registry.NewObjStyle(ObjectType::Cell, &nodeCell, &columnCell);
    nodeCell.SetTextColor(kStateSelect, 0x0000FF);
    columnCell.SetTextColor(kStateSelect, 0xFF0000);
    EXPECT_EQ(cell.GetTextColor(kStateSelect), 0x0000FFu);
    // HISELECT: no parent has it; the fallback SELECT is resolved again from the cell itself.
    EXPECT_EQ(cell.GetTextColor(kStateHiSelect), 0x0000FFu);
    EXPECT_EQ(cell.GetTextColor(kStateNormal), kUnsetColor);
}

TEST_F(Resolution, TextColourOfAParentIsItsOwnStateOnly)
{
    Style& parent = m_registry.NewStyle();
    Style& child = m_registry.NewStyle(ObjectType::ColumnHeader, &parent);
    parent.GetOrCreatePaintStyle(kStateAll).SetTextColor(0x123456);
    EXPECT_EQ(child.GetTextColor(kStateHover), kUnsetColor);
    EXPECT_EQ(child.GetTextColor(kStateAll), 0x123456u)
        << "the parent's own ALL paint style is its ALL state";
}

TEST_F(Resolution, FontResolvesParentsFullyAndFallsBackButIsOtherwiseEmpty)
{
    Style& parent = m_registry.NewStyle();
    Style& child = m_registry.NewStyle(ObjectType::ColumnHeader, &parent);
    EXPECT_EQ(child.GetFont(kStateNormal), nullptr) << "an empty font object";
    FontSpec bold;
    bold.weight = 700;
    bold.face = L"Tahoma";
    parent.SetFont(kStateAll, bold);
    ASSERT_NE(child.GetFont(kStateHover), nullptr) << "the parent's full resolution reaches its ALL";
    EXPECT_EQ(child.GetFont(kStateHover)->weight, 700);

    Style& lone = m_registry.NewStyle();
    lone.SetFont(kStateSelect, bold);
    ASSERT_NE(lone.GetFont(kStateFocus | kStateSelect), nullptr) << "fallback FOCUS+SELECT -> SELECT";
}

TEST_F(Resolution, ImageValuesResolveParentsFullyWithoutFallback)
{
    Style& parent = m_registry.NewStyle();
    Style& child = m_registry.NewStyle(ObjectType::ColumnHeader, &parent);
    parent.GetOrCreatePaintStyle(kStateAll).SetImage(L"logo");
    parent.GetOrCreatePaintStyle(kStateAll).SetImageFill(3);
    EXPECT_EQ(child.GetImage(kStateHover), L"logo") << "the parent's ALL, through its full resolution";
    EXPECT_EQ(child.GetImageFill(kStatePush), 3);

    Style& lone = m_registry.NewStyle();
    lone.GetOrCreatePaintStyle(kStateNormal).SetImageAlign(5);
    lone.GetOrCreatePaintStyle(kStateNormal).SetCrop(Rect{0, 0, 4, 4});
    EXPECT_EQ(lone.GetImageAlign(kStateNormal), 5);
    EXPECT_EQ(lone.GetImageAlign(kStateHover), 0) << "no fallback to NORMAL";
    EXPECT_EQ(lone.GetCrop(kStateHover).Width(), 0);
}

TEST_F(Resolution, ImageOffsetCountsOnlyANonZeroXOnAll)
{
    Style& style = m_registry.NewStyle();
    style.GetOrCreatePaintStyle(kStateAll).SetImageOffset(Point{0, 5});
    EXPECT_EQ(style.GetImageOffset(kStateHover), (Point{0, 0})) << "ALL with x = 0 is not set";
    style.GetOrCreatePaintStyle(kStateHover).SetImageOffset(Point{0, 5});
    EXPECT_EQ(style.GetImageOffset(kStateHover), (Point{0, 5})) << "the own state counts either coordinate";
    style.GetOrCreatePaintStyle(kStateAll).SetImageOffset(Point{3, 0});
    EXPECT_EQ(style.GetImageOffset(kStateSelect), (Point{3, 0}));
}

TEST_F(Resolution, BordersResolveBySideAndTheirWidthIsThePenCount)
{
    m_registry.DefineBorderStyle(L"double", {Pen{1, 0}, Pen{1, 0xFF}});
    Style& parent = m_registry.NewStyle();
    Style& child = m_registry.NewStyle(ObjectType::ColumnHeader, &parent);
    parent.GetOrCreatePaintStyle(kStateNormal).SetBorder(L"double", kSideLeft | kSideTop);
    EXPECT_EQ(child.GetBorder(kStateNormal, kSideLeft), L"double");
    EXPECT_EQ(child.GetBorder(kStateNormal, kSideRight), L"");
    EXPECT_EQ(child.GetBorderWidth(kStateNormal, kSideLeft), 0) << "the child has no NORMAL paint style";
    child.GetOrCreatePaintStyle(kStateNormal);
    EXPECT_EQ(child.GetBorderWidth(kStateNormal, kSideLeft), 2);
    EXPECT_EQ(child.GetBorderWidth(kStateNormal, kSideRight), 0);
    EXPECT_EQ(child.GetBorderWidth(kStateHover, kSideTop), 2) << "HOVER falls back to NORMAL";
    parent.GetOrCreatePaintStyle(kStateNormal).SetBorder(L"undefined-name", kSideTop);
    EXPECT_EQ(child.GetBorderWidth(kStateNormal, kSideTop), 0) << "an undefined border style draws no line";
}

TEST_F(Resolution, StateIndependentValuesTakeOwnThenControlDefaultThenParentsOwn)
{
    ObjStyle& nodeCell = m_registry.NewObjStyle();
    ObjStyle& columnCell = m_registry.NewObjStyle();
    ObjStyle& cell = m_registry.NewObjStyle(ObjectType::Cell, &nodeCell, &columnCell);
    nodeCell.StorePadding(Rect{1, 1, 1, 1});
    nodeCell.StoreBorderRadius(4);
    columnCell.SetCursor(2);
    EXPECT_EQ(cell.GetPadding(), (Rect{1, 1, 1, 1}));
    EXPECT_EQ(cell.GetBorderRadius(), 4);
    EXPECT_EQ(cell.GetCursor(), 2);

    // A check box cell looks like the check-box default style before its node and column say otherwise.
    DrawStyle* checkBox = m_registry.GetDefaultStyle(ObjectType::CheckBox);
    checkBox->StorePadding(Rect{7, 7, 7, 7});
    cell.SetControlKind(7);
    EXPECT_EQ(cell.GetControlDefaultStyle(), checkBox);
    EXPECT_EQ(cell.GetPadding(), (Rect{7, 7, 7, 7}));

    // A padding with a side unset does not count at any link.
    checkBox->StorePadding(Rect{7, -1, 7, 7});
    EXPECT_EQ(cell.GetPadding(), (Rect{1, 1, 1, 1}));
    nodeCell.StorePadding(Rect{-1, -1, -1, -1});
    columnCell.StorePadding(Rect{2, -1, 2, 2});
    EXPECT_EQ(cell.GetPadding(), (Rect{0, 0, 0, 0}));
}

TEST_F(Resolution, ControlKindComesFromParentsOnlyAndDrivesTheControlDefaultStyle)
{
    ObjStyle& nodeCell = m_registry.NewObjStyle();
    Style& header = m_registry.NewStyle();
    ObjStyle& columnCell = m_registry.NewObjStyle();
    ObjStyle& cell = m_registry.NewObjStyle(ObjectType::Cell, &header, &nodeCell, &columnCell);
    columnCell.SetControlKind(11);
    EXPECT_EQ(cell.GetControlKind(), 11) << "a parent that is not an object style is skipped";
    EXPECT_EQ(cell.GetControlDefaultStyle(), m_registry.GetDefaultStyle(ObjectType::Progress));
    EXPECT_EQ(cell.GetTextColor(kStateSelect), 0xFFFFFFu) << "the progress look's SELECT text colour";
    nodeCell.SetControlKind(2);
    EXPECT_EQ(cell.GetControlKind(), 2);
    EXPECT_EQ(cell.GetControlDefaultStyle(), nullptr) << "plain text has no control default style";
}

TEST_F(Resolution, StyleValuesWalkTheSameChain)
{
    ObjStyle& nodeCell = m_registry.NewObjStyle();
    ObjStyle& cell = m_registry.NewObjStyle(ObjectType::Cell, &nodeCell);
    nodeCell.SetAlignment(7);
    nodeCell.SetMirrorEffect(true);
    nodeCell.SetSpaceTextIcon(9);
    nodeCell.SetIconPosition(3);
    nodeCell.SetSelectionMode(8);
    nodeCell.SetActivation(4);
    nodeCell.SetReadOnly(true);
    nodeCell.SetOffsetTextIcon(kStateHover, Point{2, 3});
    EXPECT_EQ(cell.GetAlignment(), 7);
    EXPECT_TRUE(cell.GetMirrorEffect());
    EXPECT_EQ(cell.GetSpaceTextIcon(), 9);
    EXPECT_EQ(cell.GetIconPosition(), 3);
    EXPECT_EQ(cell.GetSelectionMode(), 8);
    EXPECT_EQ(cell.GetActivation(), 4);
    EXPECT_TRUE(cell.IsReadOnly());
    EXPECT_EQ(cell.GetOffsetTextIcon(kStateHover), (Point{2, 3}));
    EXPECT_EQ(cell.GetOffsetTextIcon(kStateSelect), (Point{0, 0}));
    EXPECT_FALSE(cell.IsSet()) << "all inherited, nothing of its own";
}

TEST_F(Resolution, AControlDefaultStyleIsResolvedWithoutItsOwnControlDefaultStyle)
{
    auto* button = static_cast<ObjStyle*>(m_registry.GetDefaultStyle(ObjectType::Button));
    auto* checkBox = static_cast<ObjStyle*>(m_registry.GetDefaultStyle(ObjectType::CheckBox));
    button->SetControlKind(7);   // a button that looks like a check box...
    checkBox->SetControlKind(4); // ...that looks like a button: a circle
    checkBox->SetTextColor(kStateNormal, 0x0000FF);
    ObjStyle& cell = m_registry.NewObjStyle();
    cell.SetControlKind(4);
    EXPECT_EQ(cell.GetControlDefaultStyle(), button);
    EXPECT_EQ(cell.GetTextColor(kStateHiSelect | kStateFocus | kStatePush), kUnsetColor)
        << "the button's own look only, not the check box's behind it";
    EXPECT_EQ(checkBox->GetTextColor(kStateNormal), 0x0000FFu);
    EXPECT_EQ(button->GetImage(kStateNormal), L"");
}

// A registry whose host asks, while being told of a new style, for the default style of its type.
class AskingRegistry : public RecordingRegistry
{
public:
    using RecordingRegistry::RecordingRegistry;
    std::vector<DrawStyle*> announced;
    bool sameWhenAsked = true;

protected:
    void OnStyleCreated(DrawStyle& style) override
    {
        announced.push_back(&style);
        sameWhenAsked = sameWhenAsked && GetDefaultStyle(style.GetObjectType()) == &style;
    }
};

TEST(StyleCreation, DefaultStylesAreStoredBeforeTheyAreAnnouncedAndReadingCreatesNothing)
{
    FixedPlatform platform;
    AskingRegistry registry(platform);
    auto* cell = static_cast<ObjStyle*>(registry.GetDefaultStyle(ObjectType::Cell));
    EXPECT_TRUE(registry.sameWhenAsked);
    ASSERT_EQ(registry.announced.size(), 1u);
    cell->SetControlKind(11); // the progress look is needed from now on: made and announced at once
    ASSERT_EQ(registry.announced.size(), 2u);
    EXPECT_EQ(registry.announced[1], registry.FindDefaultStyle(ObjectType::Progress));
    EXPECT_EQ(cell->GetTextColor(kStateNormal), 0u) << "the progress look's NORMAL text colour";
    cell->GetFont(kStatePush);
    cell->GetPadding();
    EXPECT_EQ(registry.announced.size(), 2u) << "reading effective values never creates a style";
}
} // namespace
