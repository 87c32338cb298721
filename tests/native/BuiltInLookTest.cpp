// The default styles: their built-in looks, item by item and as descriptions, and the registry around
// them (border styles, used styles, the host's filling of look 2).
#include "native/StyleFixtures.h"

#include "LumoControls/DrawTools/ColorState.h"
#include "LumoCtrls/ThemeColors.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using namespace lumo;
using lumo::test::FixedPlatform;
using lumo::test::Narrow;
using lumo::test::RecordingRegistry;

// The theme colours of look 1 derive from the hint colour, set by the first colour refresh.
void RefreshTheme()
{
    class NoVisualStyles : public IVisualStyles
    {
        bool Load() override { return false; }
        int IsCompositionActive() override { return 0; }
    } styles;
    ProcessColorState().Refresh(styles);
}

struct LookCase
{
    VisualLook look;
    bool composition;
    ObjectType type;
    std::wstring expected;
};

void PrintTo(LookCase const& c, std::ostream* out)
{
    *out << "look " << static_cast<int>(c.look) << (c.composition ? " with composition" : "") << ", type "
         << static_cast<int>(c.type);
}

class BuiltInLookDescription : public ::testing::TestWithParam<LookCase>
{
};

TEST_P(BuiltInLookDescription, IsExactlyTheLooksSettings)
{
    RefreshTheme();
    FixedPlatform platform;
    platform.composition = GetParam().composition;
    RecordingRegistry registry(platform, GetParam().look);
    EXPECT_EQ(Narrow(registry.GetDefaultStyle(GetParam().type)->Describe()), Narrow(GetParam().expected));
}

// Both headers share a look; the column header alone starts like a cell.
std::wstring const kStandardHeader =
    L"ALL{BorderDefs=(Right=gray-border|Bottom=gray-border)},"
    L"NORMAL{BackgroundColor=[(#dbeaeb,#dbeaeb,80),(#dbeaeb,#b8c7cb,20)],HorizontalGradient},"
    L"HOVER{TextColor=#0,BackgroundColor=[(#f3f8fa,#f3f8fa,85),(#9ae2,#9ae2,15)],HorizontalGradient},"
    L"HISELECT{TextColor=#0,BackgroundColor=[(#f3f8fa,#f3f8fa,85),(#9ae2,#9ae2,15)],HorizontalGradient},"
    L"PUSH{TextColor=#0,BackgroundColor=[(#d8dfde,#d8dfde,100)],HorizontalGradient}";
std::wstring const kColumnStart5 = L",Padding=(5,0,0,0),BorderRadius=0,Alignment=Left";
std::wstring const kThemeHeader = L"NORMAL{BackgroundColor=[(#ffffff,#ffe0ca,100)],HorizontalGradient,"
                                  L"BorderDefs=(Right=blue-border|Bottom=blue-border)},"
                                  L"HOVER{BackgroundColor=[(#e3f4ff,#5bc0ff,100)],HorizontalGradient,"
                                  L"BorderDefs=(Right=blue-border|Bottom=blue-border)},"
                                  L"SELECT{BackgroundColor=[(#95d8ff,#98f2,100)],HorizontalGradient,"
                                  L"BorderDefs=(Right=blue-border|Bottom=blue-border)},"
                                  L"HISELECT{BackgroundColor=[(#98f2,#95d8ff,100)],HorizontalGradient,"
                                  L"BorderDefs=(Right=blue-border|Bottom=blue-border)},"
                                  L"PUSH{BackgroundColor=[(#98f2,#98f2,100)],HorizontalGradient,"
                                  L"BorderDefs=(Right=blue-border|Bottom=blue-border)},"
                                  L"DISABLE{TextColor=#969696}";
std::wstring const kColumnStart3 = L"Padding=(3,0,0,0),BorderRadius=0,Alignment=Left";

wchar_t const kProgress[] = L"NORMAL{TextColor=#0,BackgroundColor=[(#ffffff,#ffffff,100)],VerticalGradient,"
                            L"BorderDefs=(All=black-border)},"
                            L"SELECT{TextColor=#ffffff,BackgroundColor=[(#76f583,#10d624,10),(#10d624,#"
                            L"10d624,80),(#10d624,#76f583,10)],"
                            L"VerticalGradient},Alignment=Center";

INSTANTIATE_TEST_SUITE_P(
    Standard, BuiltInLookDescription,
    testing::Values(
        LookCase{VisualLook::Standard, false, ObjectType::Grid,
                 L"ALL{BorderDefs=(All=gray-border)},NORMAL{BackgroundColor=[(#ffffff,#ffffff,100)]}"},
        LookCase{VisualLook::Standard, false, ObjectType::ColumnHeader, kStandardHeader + kColumnStart5},
        LookCase{VisualLook::Standard, false, ObjectType::RowHeader, kStandardHeader},
        LookCase{VisualLook::Standard, true, ObjectType::ColumnHeader,
                 L"ALL{BorderDefs=(Right=blue-border|Bottom=blue-border)},"
                 L"NORMAL{TextColor=#0,BackgroundColor=[(#ffffff,#ffffff,40),(#ffffff,#d5d5d5,60)],"
                 L"HorizontalGradient},"
                 L"HOVER{TextColor=#0,BackgroundColor=[(#fff7e3,#fff7e3,40),(#fff7e3,#ffedbd,60)],"
                 L"HorizontalGradient},"
                 L"SELECT{TextColor=#0,BackgroundColor=[(#fcf9f2,#fcf9f2,40),(#fcf9f2,#f9f1e1,60)],"
                 L"HorizontalGradient},"
                 L"HISELECT{TextColor=#0,BackgroundColor=[(#fff7e3,#fff7e3,40),(#fff7e3,#fbe7b7,60)],"
                 L"HorizontalGradient},"
                 L"PUSH{TextColor=#0,BackgroundColor=[(#f9e4bc,#f9e4bc,40),(#f9e4bc,#f5d18a,60)],"
                 L"HorizontalGradient},"
                 L"Padding=(5,0,0,0),BorderRadius=0,Alignment=Left"},
        LookCase{VisualLook::Standard, false, ObjectType::Cell,
                 L"SELECT{TextColor=#fedcba,BackgroundColor=[(#123456,#123456,100)],HorizontalGradient},"
                 L"DISABLE{TextColor=#969696},Padding=(5,0,0,0),BorderRadius=0,Alignment=Left"},
        LookCase{VisualLook::Standard, false, ObjectType::Progress, kProgress},
        LookCase{VisualLook::Standard, false, ObjectType::Button, L""},
        LookCase{VisualLook::Standard, false, ObjectType::Row, L""},
        LookCase{VisualLook::Standard, false, ObjectType::FloatControl, L""}));

INSTANTIATE_TEST_SUITE_P(
    Theme, BuiltInLookDescription,
    testing::Values(
        LookCase{VisualLook::Theme, false, ObjectType::Grid,
                 L"NORMAL{BackgroundColor=[(#ffffff,#ffffff,100)]}"},
        LookCase{VisualLook::Theme, false, ObjectType::ColumnHeader, kThemeHeader + L"," + kColumnStart3},
        LookCase{
            VisualLook::Theme, false, ObjectType::Cell,
            L"HOVER{BackgroundColor=[(#ffffff,#ffefe3,100)],HorizontalGradient,BorderDefs=(All=blue-border)},"
            L"SELECT{BackgroundColor=[(#ffefe3,#ffe0ca,100)],HorizontalGradient,BorderDefs=(All=blue-border)}"
            L","
            L"HISELECT{BackgroundColor=[(#ffe0ca,#e1a171,100)],HorizontalGradient,"
            L"BorderDefs=(All=blue-border)},"
            L"PUSH{BorderDefs=(All=blue-border)},FOCUS{BorderDefs=(All=blue-border)},"
            L"DISABLE{TextColor=#969696},Padding=(3,0,0,0),BorderRadius=2,Alignment=Left,SelectionMode=("
            L"Item)"},
        LookCase{VisualLook::Theme, false, ObjectType::Progress, kProgress},
        LookCase{VisualLook::Theme, false, ObjectType::RowHeader, kThemeHeader}));

TEST(BuiltInLook, ThemeCellBordersAreTheDarkenedThemeColourOnePixelWide)
{
    RefreshTheme();
    FixedPlatform platform;
    RecordingRegistry registry(platform, VisualLook::Theme);
    DrawStyle* cell = registry.GetDefaultStyle(ObjectType::Cell);
    EXPECT_EQ(cell->GetBorder(kStateHover, kSideTop), L"blue-border");
    EXPECT_EQ(cell->GetBorderWidth(kStateFocus, kSideLeft), 1);
    EXPECT_EQ(cell->GetBorderWidth(kStateNormal, kSideLeft), 0);
    std::vector<Pen> pens;
    registry.GetBorderStyle(L"blue-border", pens);
    ASSERT_EQ(pens.size(), 1u);
    EXPECT_EQ(pens[0], (Pen{1, 0xE1A171}));
    EXPECT_EQ(static_cast<Style*>(cell)->GetSelectionMode(), 3);
}

TEST(BuiltInLook, IsAppliedOnceAtTheDefaultStylesCreation)
{
    FixedPlatform platform;
    RecordingRegistry registry(platform, VisualLook::Standard);
    DrawStyle* const grid = registry.GetDefaultStyle(ObjectType::Grid);
    grid->RemovePaintStyle(kStateNormal);
    EXPECT_EQ(registry.GetDefaultStyle(ObjectType::Grid), grid);
    EXPECT_TRUE(grid->GetBackgroundColors(kStateNormal).empty()) << "not applied again";
    EXPECT_EQ(registry.GetDefaultStyle(static_cast<ObjectType>(0)), nullptr);
    EXPECT_EQ(registry.GetDefaultStyle(static_cast<ObjectType>(20)), nullptr);
}

TEST(BuiltInLook, DefaultStylesHaveTheClassOfTheirType)
{
    FixedPlatform platform;
    RecordingRegistry registry(platform, VisualLook::Standard);
    for (int type = 1; type <= kObjectTypeCount; ++type)
    {
        DrawStyle* const style = registry.GetDefaultStyle(static_cast<ObjectType>(type));
        StyleClass const expected = DefaultStyleClassOf(static_cast<ObjectType>(type));
        EXPECT_EQ(style->AsObjStyle() != nullptr, expected == StyleClass::Object) << type;
        EXPECT_EQ(style->AsStyle() != nullptr, expected != StyleClass::Draw) << type;
        EXPECT_EQ(style->GetObjectType(), static_cast<ObjectType>(type));
    }
    EXPECT_EQ(DefaultStyleClassOf(ObjectType::Row), StyleClass::Draw);
    EXPECT_EQ(DefaultStyleClassOf(ObjectType::RowHeader), StyleClass::Styled);
    EXPECT_EQ(DefaultStyleClassOf(ObjectType::Launcher), StyleClass::Object);
}

class HostFilledRegistry : public RecordingRegistry
{
public:
    explicit HostFilledRegistry(IStylePlatform const& platform)
        : RecordingRegistry(platform, VisualLook::Host)
    {
    }
    std::vector<int> filled;
    int created = 0;

protected:
    void FillDefaultStyle(DrawStyle& style, ObjectType type) override
    {
        filled.push_back(static_cast<int>(type));
        style.SetCursor(2);
    }
    void OnStyleCreated(DrawStyle&) override { ++created; }
};

TEST(StyleRegistry, LookHostLetsTheHostFillEachDefaultStyleOnce)
{
    FixedPlatform platform;
    HostFilledRegistry registry(platform);
    DrawStyle* const cell = registry.GetDefaultStyle(ObjectType::Cell);
    registry.GetDefaultStyle(ObjectType::Cell);
    registry.GetDefaultStyle(ObjectType::Grid);
    EXPECT_EQ(registry.filled, (std::vector<int>{9, 1}));
    EXPECT_EQ(Narrow(cell->Describe()), "Cursor=Hand") << "no built-in look";
    EXPECT_EQ(registry.created, 2);
    registry.NewStyle();
    EXPECT_EQ(registry.created, 3) << "every style is announced";
}

TEST(StyleRegistry, UsedStylesAreTheOnesWithSomethingSet)
{
    FixedPlatform platform;
    RecordingRegistry registry(platform, VisualLook::Standard);
    Style& empty = registry.NewStyle();
    Style& used = registry.NewStyle();
    used.SetCursor(1);
    registry.GetDefaultStyle(ObjectType::Cell);
    registry.GetDefaultStyle(ObjectType::Button); // look 0 sets nothing on it
    std::set<DrawStyle*> styles{&empty};
    registry.EnumerateUsedStyles(styles);
    EXPECT_EQ(styles.size(), 3u) << "not cleared first: the empty one stays in the caller's set";
    EXPECT_EQ(styles.count(&used), 1u);
    EXPECT_EQ(styles.count(registry.GetDefaultStyle(ObjectType::Cell)), 1u);
    EXPECT_EQ(styles.count(registry.GetDefaultStyle(ObjectType::Button)), 0u);
    registry.Destroy(used);
    std::set<DrawStyle*> after;
    registry.EnumerateUsedStyles(after);
    EXPECT_EQ(after.size(), 1u);
}

TEST(BorderStyles, ArePredefinedAndCanBeRedefinedRemovedAndListed)
{
    FixedPlatform platform;
    RecordingRegistry registry(platform);
    std::set<std::wstring> names{L"host's own"};
    registry.EnumerateBorderStyles(names);
    EXPECT_EQ(names, (std::set<std::wstring>{L"black-border", L"black-dotted-border", L"blue-border",
                                             L"gray-border", L"host's own"}));
    std::vector<Pen> pens{Pen{9, 9}};
    registry.GetBorderStyle(L"black-dotted-border", pens);
    EXPECT_EQ(pens, (std::vector<Pen>{Pen{2, 0}}));
    registry.GetBorderStyle(L"gray-border", pens);
    EXPECT_EQ(pens, (std::vector<Pen>{Pen{1, 0x949494}}));

    registry.DefineBorderStyle(L"gray-border", {Pen{3, 1}, Pen{1, 2}});
    registry.GetBorderStyle(L"gray-border", pens);
    EXPECT_EQ(pens.size(), 2u) << "redefined, not appended";
    EXPECT_EQ(registry.GetBorderPenCount(L"gray-border"), 2);
    registry.RemoveBorderStyle(L"gray-border");
    registry.GetBorderStyle(L"gray-border", pens);
    EXPECT_TRUE(pens.empty());
    pens = {Pen{1, 1}};
    registry.GetBorderStyle(L"", pens);
    EXPECT_TRUE(pens.empty()) << "an empty name clears the list";
    registry.RemoveBorderStyle(L"never defined");
}
} // namespace
