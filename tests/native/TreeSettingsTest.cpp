// The tree grid's settings and object properties: what each change asks of the view, that setting the
// value it already has asks nothing, and the bounds each keeps to.
#include "native/TreeFixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using namespace lumo;

// One letter per request, so that a whole sequence reads as a word.
class RecordingView : public ITreeView
{
public:
    void RowsChanged(TreeNode const*) override { heard += 'R'; }
    void ColumnsChanged() override { heard += 'K'; }
    void LayoutChanged() override { heard += 'L'; }
    void RowChanged(TreeNode const&, bool header) override { heard += header ? 'h' : 'r'; }
    void ColumnChanged(TreeColumn const&, bool header) override { heard += header ? 'H' : 'c'; }
    void ColumnTitleChanged(TreeColumn const&) override { heard += 'T'; }
    void ControlChanged(FloatControl const&) override { heard += 'F'; }
    void StylesChanged() override { heard += 'S'; }
    void EndEdit(FloatControl const*) override { heard += 'E'; }
    std::string heard;
};

struct SettingsFixture : lumo::test::TreeFixture
{
    RecordingView view;
    TreeNode& node = *Node("a");
    TreeColumn& column = Column("x");
    TreeCell& cell = *model.CellOf(node, column);
    FreeFloatControl& control = model.CreateFloatControl(L"edit", Rect{0, 0, 10, 10}, 0, 0, false, false, 0);

    SettingsFixture() { model.SetView(&view); }
    ~SettingsFixture() { model.SetView(nullptr); }
};

struct Setting
{
    char const* name;
    std::function<void(SettingsFixture&)> change;
    char const* heard;                               // what the view hears of the first change
    std::function<long long(SettingsFixture&)> read; // the value the change leaves
    long long value;
};

Setting const kSettings[] = {
    {"style bits", [](auto& f) { f.model.SetStyle(TreeStyle::kRowSelection, true); }, "L",
     [](auto& f) { return f.model.GetStyleBits(); }, TreeStyle::kRowSelection},
    {"grid lines add a pixel to rows",
     [](auto& f) { f.model.SetGridLinesStyle(GridLines::kHorizontal, true); }, "R",
     [](auto& f) { return f.model.GetGridLinesStyle(); }, GridLines::kHorizontal},
    {"grid line colour", [](auto& f) { f.model.SetGridLinesColor(0x123456); }, "L",
     [](auto& f) { return f.model.GetGridLinesColor(); }, 0x123456},
    {"minimum cell height below 10", [](auto& f) { f.model.SetMinimumCellHeight(3); }, "",
     [](auto& f) { return f.model.GetMinimumCellHeight(); }, 10},
    {"minimum cell height", [](auto& f) { f.model.SetMinimumCellHeight(30); }, "R",
     [](auto& f) { return f.node.GetHeight(); }, 30},
    {"indentation below twice the button", [](auto& f) { f.model.SetNodeIndentation(4); }, "",
     [](auto& f) { return f.model.GetNodeIndentation(); }, 20},
    {"indentation", [](auto& f) { f.model.SetNodeIndentation(40); }, "L",
     [](auto& f) { return f.model.GetNodeIndentation(); }, 40},
    {"image height raises rows", [](auto& f) { f.model.SetImageListIconHeight(32); }, "R",
     [](auto& f) { return f.node.GetHeight(); }, 32},
    {"column header hidden", [](auto& f) { f.model.ShowColumnHeader(false); }, "L",
     [](auto& f) { return f.model.IsColumnHeaderVisible(); }, 0},
    {"column header height raised to 16", [](auto& f) { f.model.SetColumnHeaderHeight(5, false); }, "L",
     [](auto& f) { return f.model.GetColumnHeaderHeight(); }, 16},
    {"column header height exact", [](auto& f) { f.model.SetColumnHeaderHeight(5, true); }, "L",
     [](auto& f) { return f.model.GetColumnHeaderHeight(); }, 5},
    {"header image taller than the header", [](auto& f) { f.model.SetColumnHeaderIconHeight(24); }, "L",
     [](auto& f) { return f.model.GetColumnHeaderHeight(); }, 24},
    {"row header shown", [](auto& f) { f.model.ShowRowHeader(true); }, "L",
     [](auto& f) { return f.model.IsRowHeaderVisible(); }, 1},
    {"row header width raised to 16", [](auto& f) { f.model.SetRowHeaderWidth(2); }, "L",
     [](auto& f) { return f.model.GetRowHeaderWidth(); }, 16},
    {"row header image wider than the header", [](auto& f) { f.model.SetRowHeaderIconWidth(40); }, "L",
     [](auto& f) { return f.model.GetRowHeaderWidth(); }, 40},
    {"selected column header", [](auto& f) { f.model.SelectColumnHeader(&f.column); }, "H",
     [](auto& f) { return f.model.GetSelectedColumnHeader() == &f.column; }, 1},
    {"selected column", [](auto& f) { f.model.SelectColumn(&f.column); }, "c",
     [](auto& f) { return f.model.GetSelectedColumn() == &f.column; }, 1},
    {"node height clamped to its maximum", [](auto& f) { f.node.SetMaxHeight(25), f.node.SetHeight(90); },
     "R", [](auto& f) { return f.node.GetHeight(); }, 25},
    {"node minimum below the grid's is refused", [](auto& f) { f.node.SetMinHeight(4); }, "",
     [](auto& f) { return f.node.GetMinHeight(); }, kLeastMinimumCellHeight},
    {"node minimum raises the height", [](auto& f) { f.node.SetMinHeight(50); }, "R",
     [](auto& f) { return f.node.GetHeight(); }, 50},
    {"node maximum lowers the height", [](auto& f) { f.node.SetHeight(70), f.node.SetMaxHeight(20); }, "RR",
     [](auto& f) { return f.node.GetHeight(); }, 20},
    {"hidden node", [](auto& f) { f.node.SetVisible(false); }, "R", [](auto& f) { return f.node.IsShown(); },
     0},
    {"node state", [](auto& f) { f.node.SetState(1, true); }, "r", [](auto& f) { return f.node.GetState(); },
     1},
    {"focus is the grid's own", [](auto& f) { f.node.SetState(kNodeFocusBit, true); }, "",
     [](auto& f) { return f.node.GetState(); }, 0},
    {"row header state", [](auto& f) { f.node.SetHeaderState(1, true); }, "h",
     [](auto& f) { return f.node.GetHeaderState(); }, 1},
    {"row header text", [](auto& f) { f.node.SetRowHeaderText(L"12"); }, "h",
     [](auto& f) { return f.node.GetRowHeaderText().size(); }, 2},
    {"row header image", [](auto& f) { f.node.SetRowHeaderImage(3); }, "h",
     [](auto& f) { return f.node.GetRowHeaderImage(); }, 3},
    {"node texts are stored only", [](auto& f) { f.node.SetSecondText(L"2"), f.node.SetThirdText(L"33"); },
     "", [](auto& f) { return f.node.GetSecondText().size() + f.node.GetThirdText().size(); }, 3},
    {"column title is measured", [](auto& f) { f.column.SetTitle(L"Title"); }, "HT",
     [](auto& f) { return f.column.GetTitle().size(); }, 5},
    {"column texts are stored only",
     [](auto& f) { f.column.SetSecondText(L"2"), f.column.SetThirdText(L"3"); }, "",
     [](auto& f) { return f.column.GetSecondText().size() + f.column.GetThirdText().size(); }, 2},
    {"column header image", [](auto& f) { f.column.SetHeaderImage(2); }, "H",
     [](auto& f) { return f.column.GetHeaderImage(); }, 2},
    {"unbounded column narrower than 12", [](auto& f) { f.column.SetWidth(5); }, "K",
     [](auto& f) { return f.column.GetWidth(); }, kNarrowestUnboundColumn},
    {"column minimum widens it", [](auto& f) { f.column.SetMinWidth(80); }, "K",
     [](auto& f) { return f.column.GetWidth(); }, 80},
    {"column maximum narrows it", [](auto& f) { f.column.SetMaxWidth(30); }, "K",
     [](auto& f) { return f.column.GetWidth(); }, 30},
    {"column maximum below its minimum", [](auto& f) { f.column.SetMinWidth(60), f.column.SetMaxWidth(10); },
     "K", [](auto& f) { return f.column.GetMaxWidth(); }, 60},
    {"fixed column position", [](auto& f) { f.column.SetFixedPosition(7); }, "K",
     [](auto& f) { return f.column.GetLeft(); }, 7},
    {"hidden column", [](auto& f) { f.column.SetVisible(false); }, "K",
     [](auto& f) { return f.column.IsVisible(); }, 0},
    {"column state", [](auto& f) { f.column.SetState(1, true); }, "c",
     [](auto& f) { return f.column.GetState(); }, 1},
    {"column header state", [](auto& f) { f.column.SetHeaderState(1, true); }, "H",
     [](auto& f) { return f.column.GetHeaderState(); }, 1},
    {"cell text", [](auto& f) { f.cell.SetText(L"abc"); }, "F",
     [](auto& f) { return f.cell.GetText().size(); }, 3},
    {"cell image name", [](auto& f) { f.cell.SetImage(L"img"); }, "F",
     [](auto& f) { return f.cell.GetImage().size(); }, 3},
    {"cell image index", [](auto& f) { f.cell.SetImageIndex(4); }, "F",
     [](auto& f) { return f.cell.GetImageIndex(); }, 4},
    {"cell tooltip is stored only", [](auto& f) { f.cell.SetTooltip(L"tip"); }, "",
     [](auto& f) { return f.cell.GetTooltip().size(); }, 3},
    {"hidden cell", [](auto& f) { f.cell.SetVisible(false); }, "F",
     [](auto& f) { return f.cell.IsVisible(); }, 0},
    {"float control moved",
     [](auto& f) {
         f.control.SetRect(Rect{5, 5, 20, 20});
     },
     "L", [](auto& f) { return f.control.GetRect().left; }, 5},
};

void PrintTo(Setting const& setting, std::ostream* out)
{
    *out << setting.name;
}

class TreeSettingsTest : public ::testing::TestWithParam<Setting>
{
};

TEST_P(TreeSettingsTest, AChangeAsksTheViewOnceAndTheSameValueAgainAsksNothing)
{
    SettingsFixture f;
    Setting const& setting = GetParam();
    setting.change(f);
    EXPECT_EQ(f.view.heard, setting.heard);
    EXPECT_EQ(setting.read(f), setting.value);
    f.view.heard.clear();
    setting.change(f);
    EXPECT_EQ(f.view.heard, "");
    EXPECT_EQ(setting.read(f), setting.value);
}

INSTANTIATE_TEST_SUITE_P(Each, TreeSettingsTest, ::testing::ValuesIn(kSettings),
                         [](auto const& info)
                         {
                             std::string name;
                             for (char const* c = info.param.name; *c != '\0'; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

TEST(TreeModelQueries, DepthCountsLevelsInUseAndExpandingASubtreeReachesEveryDescendant)
{
    lumo::test::TreeFixture f;
    EXPECT_EQ(f.model.GetNodeMaxDepth(false), 0);
    TreeNode* a = f.Node("a");
    TreeNode* a1 = f.Node("a1", a);
    f.Node("a11", a1);
    f.model.SetTreeColumn(&f.Column("x"));
    EXPECT_EQ(f.model.GetNodeMaxDepth(false), 3);
    EXPECT_EQ(f.model.GetNodeMaxDepth(true), 1) << "collapsed children are not shown";
    f.model.SetExpandNodeAndDescendants(*a, true);
    EXPECT_TRUE(a1->HasExpandedFlag());
    EXPECT_EQ(f.model.GetNodeMaxDepth(true), 3);
    f.model.Clear();
    EXPECT_EQ(f.model.GetNodeCount(), 0u);
    EXPECT_EQ(f.model.GetColumnCount(), 0u);
}
} // namespace

namespace
{
TEST(TreeSettings, WhatStylesAndBorderStylesPaintIsPaintedAgainWhenItChanges)
{
    SettingsFixture f;
    f.cell.GetStyle().SetTextColor(kStateNormal, 0x123456);
    f.styles.GetDefaultStyle(ObjectType::Grid)->SetBorderRadius(3);
    f.styles.DefineBorderStyle(L"thick", {Pen{1, 0}, Pen{1, 0}});
    EXPECT_EQ(f.view.heard.find_first_not_of('S'), std::string::npos) << f.view.heard;
    EXPECT_GE(f.view.heard.size(), 3u);
}
} // namespace
