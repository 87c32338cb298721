// The tree grid's geometry: insets, columns, rows, the parts of a cell, hit codes at their boundaries,
// scrolling and scrolling into view, measured with a text measurer of 7 pixels a character.
#include "native/TreeFixtures.h"

#include "LumoControls/TreeGrid/TreeLayout.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

namespace lumo
{
void PrintTo(CellGeometry::Entry const& e, std::ostream* out)
{
    *out << e.part << "@" << e.rect.left << "," << e.rect.top << "," << e.rect.right << "," << e.rect.bottom;
}
} // namespace lumo

namespace
{
using namespace lumo;

class FixedMeasure : public ICellMeasure
{
public:
    Size MeasureText(std::wstring const& text, FontSpec const*) const override
    {
        return Size{7 * static_cast<int>(text.size()), 13};
    }
    Size ImageSize(std::wstring const& name) const override
    {
        return name == L"icon" ? Size{16, 16} : Size{};
    }
    Size ImageListIconSize() const override { return Size{}; }
    Rect EditorRect(FloatControl const&) const override { return Rect{}; }
};

class RecordingHost : public ILayoutHost
{
public:
    void Repaint() override {}
    void ScrollBarsChanged() override {}
    void ScrollBarVisibilityChanged(bool horizontal) override { heard += horizontal ? 'H' : 'V'; }
    void EndEdit(FloatControl const*) override {}
    std::string heard;
};

// A grid without built-in looks (no borders, no padding), 100 pixels wide and 81 high: with the column
// header (20 and its line) a page of 60, three rows of 20.
struct LayoutFixture : test::TreeFixture
{
    RecordingHost host;
    FixedMeasure measure;
    TreeLayout layout{model, host, measure};

    LayoutFixture() : TreeFixture(VisualLook::Host)
    {
        model.SetView(&layout);
        layout.SetClientSize(100, 81);
    }
    ~LayoutFixture() { model.SetView(nullptr); }

    std::vector<TreeNode*> Rows(int count, unsigned height = 20)
    {
        static char const* const names[] = {"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"};
        std::vector<TreeNode*> rows;
        for (int i = 0; i < count; ++i)
        {
            rows.push_back(Node(names[i]));
            rows.back()->SetHeight(height);
        }
        return rows;
    }
};

TEST(TreeLayout, InsetsAreTheLargerOfPaddingAndBorderAndTheBarsTakeTheirPlace)
{
    LayoutFixture f;
    EXPECT_EQ(f.host.heard, "VH") << "the first update hides both bars and says so";
    EXPECT_EQ(f.layout.PageWidth(), 100);
    EXPECT_EQ(f.layout.PageHeight(), 60);
    f.styles.GetDefaultStyle(ObjectType::Grid)->SetPadding(Rect{3, 4, 5, 6});
    f.layout.Refresh();
    Insets const insets = f.layout.GetInsets();
    EXPECT_EQ((Rect{insets.left, insets.top, insets.right, insets.bottom}), (Rect{3, 4, 5, 6}));
    EXPECT_EQ(f.layout.RowsStart(), 24);
    f.styles.GetDefaultStyle(ObjectType::Grid)->SetPadding(Rect{0, 0, 0, 0});
    f.Rows(4); // 80 pixels of rows on a page of 60
    EXPECT_EQ(f.host.heard, "VHV");
    EXPECT_EQ(f.layout.GetInsets().right, 16);
    EXPECT_EQ(f.layout.PageWidth(), 84);
    EXPECT_EQ(f.layout.Bar(false).rect, (Rect{84, 0, 100, 81}));
}

TEST(TreeLayout, ColumnsFollowEachOtherSkipHiddenOnesKeepFixedPlacesAndLock)
{
    LayoutFixture f;
    f.model.ShowRowHeader(true);
    f.model.SetRowHeaderWidth(30);
    TreeColumn& a = f.Column("a");
    TreeColumn& b = f.Column("b");
    TreeColumn& c = f.Column("c");
    TreeColumn& d = f.Column("d");
    a.SetWidth(50);
    b.SetVisible(false);
    c.SetWidth(40);
    d.SetWidth(20);
    d.SetFixedPosition(200);
    f.model.LockColumnsUntil(&c);
    EXPECT_EQ(
        (std::vector<int>{a.GetLeft(), a.GetRight(), b.GetLeft(), c.GetLeft(), c.GetRight(), d.GetLeft()}),
        (std::vector<int>{30, 79, 0, 80, 119, 230}));
    EXPECT_EQ(f.layout.TotalColumnsWidth(), 250);
    EXPECT_EQ(f.layout.LockedWidth(), 122);
    EXPECT_TRUE(f.layout.IsLocked(c));
    EXPECT_FALSE(f.layout.IsLocked(d));
}

TEST(TreeLayout, RowsStackWithTheGridLineGapAndABoundaryBelongsToTheUpperRow)
{
    LayoutFixture f;
    f.Column("a").SetWidth(90);
    f.model.SetGridLinesStyle(GridLines::kHorizontal, true);
    std::vector<TreeNode*> const rows = f.Rows(3);
    EXPECT_EQ(f.model.Rows().TopOf(*rows[2]), 42);
    EXPECT_EQ(f.layout.TotalRowsHeight(), 63);
    struct
    {
        int y;
        TreeNode* node;
    } const cases[] = {{20, nullptr}, {21, rows[0]}, {40, rows[0]},
                       {41, rows[1]}, {62, rows[2]}, {83, nullptr}};
    for (auto const& c : cases)
        EXPECT_EQ(f.layout.NodeAt(Point{10, c.y}), c.node) << c.y;
    EXPECT_EQ(f.layout.NodeAt(Point{90, 30}), nullptr) << "right of the last column";
}

struct PartsCase
{
    char const* name;
    std::function<void(ObjStyle&)> style;
    std::vector<CellGeometry::Entry> parts;
};

TEST(TreeLayout, IconAndTextArePlacedByIconPositionAlignmentAndMirror)
{
    // The cell spans {0, 20, 100, 50}; its icon is 16 pixels square and its text "abc" 21 by 13.
    PartsCase const cases[] = {
        {"left", [](ObjStyle&) {}, {{{0, 27, 16, 43}, kPartIcon}, {{18, 28, 39, 41}, kPartText}}},
        {"right",
         [](ObjStyle& s) { s.SetIconPosition(4); },
         {{{3, 28, 24, 41}, kPartText}, {{26, 27, 42, 43}, kPartIcon}}},
        {"top, clipped at the bottom",
         [](ObjStyle& s) { s.SetIconPosition(1); },
         {{{4, 20, 20, 36}, kPartIcon}, {{2, 38, 23, 50}, kPartText}}},
        {"bottom",
         [](ObjStyle& s) { s.SetIconPosition(2); },
         {{{2, 20, 23, 33}, kPartText}, {{4, 35, 20, 50}, kPartIcon}}},
        {"spaced",
         [](ObjStyle& s) { s.SetSpaceTextIcon(5); },
         {{{0, 27, 16, 43}, kPartIcon}, {{23, 28, 44, 41}, kPartText}}},
        {"right aligned",
         [](ObjStyle& s) { s.SetAlignment(7); },
         {{{61, 27, 77, 43}, kPartIcon}, {{79, 28, 100, 41}, kPartText}}},
        {"centred",
         [](ObjStyle& s) { s.SetAlignment(4); },
         {{{30, 27, 46, 43}, kPartIcon}, {{48, 28, 69, 41}, kPartText}}},
        {"mirrored",
         [](ObjStyle& s) { s.SetMirrorEffect(true); },
         {{{84, 27, 100, 43}, kPartIcon}, {{61, 28, 82, 41}, kPartText}}},
        {"offset in the cell's state",
         [](ObjStyle& s) {
             s.SetOffsetTextIcon(kStateNormal, Point{2, 1});
         },
         {{{2, 28, 18, 44}, kPartIcon}, {{20, 29, 41, 42}, kPartText}}},
        {"a check box glyph first",
         [](ObjStyle& s) { s.SetControlKind(7); },
         {{{3, 27, 19, 43}, kPartControl}, {{21, 27, 37, 43}, kPartIcon}, {{39, 28, 60, 41}, kPartText}}},
    };
    for (auto const& c : cases)
    {
        LayoutFixture f;
        f.Column("a").SetWidth(100);
        TreeCell& cell = *f.model.CellOf(*f.Rows(1, 30)[0], f.model.GetColumn(0));
        cell.SetText(L"abc");
        cell.SetImage(L"icon");
        c.style(cell.GetStyle());
        CellGeometry const geometry = f.layout.LayOut(cell);
        ASSERT_TRUE(geometry.laidOut) << c.name;
        EXPECT_EQ(geometry.parts, c.parts) << c.name;
    }
}

TEST(TreeLayout, TheTreeColumnIndentsAndPlacesTheExpandButton)
{
    LayoutFixture f;
    TreeColumn& a = f.Column("a");
    a.SetWidth(100);
    f.model.SetTreeColumn(&a);
    f.model.SetStyle(TreeStyle::kExpandButtons, true);
    TreeNode* const top = f.Node("top");
    TreeNode* const child = f.Node("child", top);
    f.Node("grandchild", child);
    top->SetExpanded(true);
    child->SetHeight(30);
    TreeCell& cell = *f.model.CellOf(*child, a);
    cell.SetText(L"abc");
    CellGeometry geometry = f.layout.LayOut(cell);
    // Level 1 indents by 20; the 11-pixel button is centred less one; the text follows the indentation.
    EXPECT_EQ(geometry.parts, (std::vector<CellGeometry::Entry>{{{20, 38, 31, 49}, kPartExpandButton},
                                                                {{38, 38, 59, 51}, kPartText}}));
    f.model.SetStyle(TreeStyle::kExpandButtonAtEdge, true);
    geometry = f.layout.LayOut(cell);
    EXPECT_EQ(geometry.Part(kPartExpandButton), (Rect{0, 38, 11, 49}));
    cell.GetStyle().SetAlignment(7);
    EXPECT_EQ(f.layout.LayOut(cell).Part(kPartText), (Rect{38, 38, 59, 51}))
        << "no alignment in the tree column";
}

TEST(TreeLayout, HitCodesChangeAtTheirBoundaries)
{
    LayoutFixture f;
    f.layout.SetClientSize(300, 200);
    f.model.ShowRowHeader(true);
    f.model.SetRowHeaderWidth(30);
    f.Column("a").SetWidth(60);
    f.Column("b").SetWidth(60);
    std::vector<TreeNode*> const rows = f.Rows(2);
    f.model.CellOf(*rows[0], f.model.GetColumn(0))->SetText(L"abc");
    struct
    {
        Point p;
        int code;
    } const cases[] = {
        {{10, 5}, kHitCorner},     {{26, 5}, kHitRowHeaderEdge}, {{10, 16}, kHitColumnHeaderEdge},
        {{10, 25}, kHitRowHeader}, {{10, 38}, kHitRowEdge},      {{40, 5}, kHitColumnHeader},
        {{83, 5}, kHitColumnEdge}, {{89, 5}, kHitColumnEdge},    {{90, 5}, kHitColumnHeader},
        {{35, 25}, kPartText},     {{53, 25}, kHitItem},         {{60, 25}, kHitCell},
        {{100, 45}, kHitCell},     {{200, 25}, kHitNowhere},     {{10, 70}, kHitNowhere},
    };
    for (auto const& c : cases)
        EXPECT_EQ(f.layout.HitTest(c.p).code, c.code) << c.p.x << "," << c.p.y;
    HitResult const text = f.layout.HitTest(Point{35, 25});
    EXPECT_EQ(text.node, rows[0]);
    EXPECT_EQ(text.column, &f.model.GetColumn(0));
    f.model.CellOf(*rows[0], f.model.GetColumn(0))->GetStyle().SetSelectionMode(2);
    EXPECT_TRUE(f.layout.HitTest(Point{35, 25}).selects);
    EXPECT_FALSE(f.layout.HitTest(Point{60, 25}).selects);
}

TEST(TreeLayout, ScrollCommandsMoveWholeRowsAndNeverShowSpaceBelowTheLastRow)
{
    LayoutFixture f;
    f.Column("a").SetWidth(50);
    std::vector<TreeNode*> const rows = f.Rows(10); // 200 pixels on a page of 60
    auto top = [&] { return f.layout.TopVisibleNode(); };
    struct
    {
        char const* what;
        std::function<void()> act;
        TreeNode* top;
    } const steps[] = {
        {"a line", [&] { f.layout.Vertical(kScrollLineOn, 0, 0); }, rows[1]},
        {"a wheel notch is four rows", [&] { f.layout.Wheel(-1); }, rows[5]},
        {"whatever its size", [&] { f.layout.Wheel(360); }, rows[1]},
        {"a page on", [&] { f.layout.Vertical(kScrollPageOn, 0, 0); }, rows[4]},
        {"to the end: flush", [&] { f.layout.SetVerticalScrollPosition(100000); }, rows[7]},
        {"no line past the last row", [&] { f.layout.Vertical(kScrollLineOn, 0, 0); }, rows[7]},
        {"a page back", [&] { f.layout.Vertical(kScrollPageBack, 0, 0); }, rows[5]},
        {"the thumb", [&] { f.layout.Vertical(kScrollThumbTrack, 0, 45); }, rows[2]},
        {"the thumb near the end", [&] { f.layout.Vertical(kScrollThumbTrack, 0, 137); }, rows[7]},
        {"back to the top", [&] { f.layout.SetVerticalScrollPosition(0); }, rows[0]},
    };
    for (auto const& step : steps)
    {
        step.act();
        EXPECT_EQ(top(), step.top) << step.what;
        EXPECT_EQ(f.layout.VerticalPosition(), f.model.Rows().TopOf(*step.top)) << step.what;
    }
    f.layout.Vertical(kScrollLineOn, 0, 0);
    f.layout.SetVerticalScrollPosition(100000);
    EXPECT_EQ(f.layout.BottomVisibleNode(), rows[9]);
}

TEST(TreeLayout, HorizontalScrollingMovesAllButTheLockedColumnsAndBringsColumnsIntoView)
{
    LayoutFixture f;
    TreeColumn& a = f.Column("a");
    TreeColumn& b = f.Column("b");
    TreeColumn& c = f.Column("c");
    a.SetWidth(40);
    b.SetWidth(60);
    c.SetWidth(80);
    f.model.LockColumnsUntil(&a);
    ASSERT_TRUE(f.layout.Bar(true).shown) << "180 pixels of columns on a page of 100";
    EXPECT_EQ(f.layout.HorizontalRange(), 80);
    struct
    {
        char const* what;
        std::function<void()> act;
        int offset;
    } const steps[] = {
        {"a line", [&] { f.layout.Horizontal(kScrollLineOn, 0); }, 5},
        {"a line back", [&] { f.layout.Horizontal(kScrollLineBack, 0); }, 0},
        {"a page, held at the range", [&] { f.layout.Horizontal(kScrollPageOn, 0); }, 80},
        {"a page back", [&] { f.layout.Horizontal(kScrollPageBack, 0); }, 0},
        {"the thumb", [&] { f.layout.Horizontal(kScrollThumbTrack, 30); }, 30},
        {"the thumb's end is ignored", [&] { f.layout.Horizontal(kScrollThumbPosition, 70); }, 30},
        {"a column on the right",
         [&] { f.layout.EnsureVisible(*f.model.CellOf(*f.Node("r"), c), false, false); }, 80},
        {"a column on the left",
         [&] { f.layout.EnsureVisible(*a.GetCell(*f.model.GetRoot().GetFirstChild()), false, false); }, 0},
        {"centred",
         [&] { f.layout.EnsureVisible(*b.GetCell(*f.model.GetRoot().GetFirstChild()), true, false); }, 19},
        {"beyond the range", [&] { f.layout.SetHorizontalScrollPosition(1000); }, 80},
    };
    for (auto const& step : steps)
    {
        step.act();
        EXPECT_EQ(f.layout.HorizontalOffset(), step.offset) << step.what;
    }
    EXPECT_EQ(f.layout.ScrolledLeft(a), 0) << "locked";
    EXPECT_EQ(f.layout.ColumnHeaderRect(b), (Rect{-40, 0, 20, 20}));
    EXPECT_EQ(f.layout.ColumnRect(c).left, 20);

    FreeFloatControl& free = f.model.CreateFloatControl(L"free", Rect{90, 30, 120, 40}, 0, 0, false, true, 0);
    EXPECT_EQ(f.layout.OuterRect(free), (Rect{10, 30, 40, 40})) << "scrolled with the content, not down";
    EXPECT_EQ(f.layout.HitTest(Point{15, 35}).control, &free);
    EXPECT_EQ(f.layout.FloatControlAt(Point{45, 35}), nullptr);
    f.layout.HideBar(true, true);
    EXPECT_FALSE(f.layout.Bar(true).shown);
    EXPECT_EQ(f.layout.HorizontalOffset(), 0);
}

TEST(TreeLayout, EnsureVisibleExpandsAncestorsAndMakesTheRowTheLastFullyVisibleOne)
{
    LayoutFixture f;
    TreeColumn& a = f.Column("a");
    f.model.SetTreeColumn(&a);
    std::vector<TreeNode*> const rows = f.Rows(10);
    TreeNode* const hidden = f.Node("hidden", rows[9]);
    hidden->SetHeight(20);
    f.layout.EnsureVisible(*f.model.CellOf(*hidden, a), false, false);
    EXPECT_TRUE(rows[9]->IsExpanded());
    EXPECT_EQ(f.layout.TopVisibleNode(), rows[8]) << "rows 8, 9 and the child fill the page";
    f.layout.EnsureVisible(*f.model.CellOf(*rows[3], a), false, false);
    EXPECT_EQ(f.layout.TopVisibleNode(), rows[3]) << "a row above becomes the top";
    f.layout.EnsureVisible(*f.model.CellOf(*rows[5], a), false, false);
    EXPECT_EQ(f.layout.TopVisibleNode(), rows[3]) << "already the last fully visible row";
    f.layout.EnsureVisible(*f.model.CellOf(*rows[9], a), false, true);
    EXPECT_EQ(f.layout.TopVisibleNode(), rows[3]) << "horizontal only";
}

TEST(TreeLayout, TheVerticalBarAppearsOnceWhenRowsOutgrowThePageAndGoesWhenTheyFitAgain)
{
    LayoutFixture f;
    f.Column("a").SetWidth(50);
    f.host.heard.clear();
    std::vector<TreeNode*> const rows = f.Rows(6);
    EXPECT_EQ(f.host.heard, "V");
    EXPECT_TRUE(f.layout.Bar(false).shown);
    EXPECT_EQ(f.layout.Bar(false).maximum, 120);
    f.layout.SetVerticalScrollPosition(40);
    for (int i = 5; i >= 3; --i)
        f.model.RemoveNode(*rows[static_cast<std::size_t>(i)]);
    EXPECT_EQ(f.host.heard, "VV");
    EXPECT_EQ(f.layout.TopVisibleNode(), rows[0]);
    EXPECT_EQ(f.layout.VerticalPosition(), 0);
}

// The positions kept up to date change by change agree with positions counted from scratch.
TEST(RowPositions, AgreeWithAFullCountAfterEveryKindOfChange)
{
    test::TreeFixture f;
    f.model.SetTreeColumn(&f.Column("a"));
    std::mt19937 random(7);
    std::vector<TreeNode*> nodes{nullptr};
    for (int step = 0; step < 400; ++step)
    {
        TreeNode* const some = nodes[random() % nodes.size()];
        switch (random() % 6)
        {
        case 0:
        case 1:
            nodes.push_back(f.model.AddNode(some, const_cast<char*>("n")));
            break;
        case 2:
            if (some != nullptr)
                some->SetExpanded(!some->HasExpandedFlag());
            break;
        case 3:
            if (some != nullptr)
                some->SetHeight(10 + random() % 30);
            break;
        case 4:
            if (some != nullptr)
                some->SetVisible(!some->IsVisible());
            break;
        default:
            if (some != nullptr && random() % 4 == 0)
            {
                f.model.RemoveNode(*some);
                nodes.assign(1, nullptr);
                for (TreeNode* n = f.model.GetRoot().GetFirstChild(); n != nullptr; n = n->GetNextInTree())
                    nodes.push_back(n);
            }
        }
        int expectedTop = 0;
        int index = 0;
        RowPositions& rows = f.model.Rows();
        for (TreeNode* row = rows.FirstShown(); row != nullptr; row = rows.NextShown(*row), ++index)
        {
            if (step % 20 == 0)
            {
                ASSERT_EQ(rows.RowAtY(expectedTop), row) << step;
                ASSERT_EQ(rows.RowAt(index), row) << step;
            }
            expectedTop += static_cast<int>(row->GetHeight());
        }
        ASSERT_EQ(rows.TotalHeight(), expectedTop) << "step " << step;
    }
}
} // namespace
