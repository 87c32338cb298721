// Nodes, columns and cells as the host reads and sets them; the cell selection; row indices; and the
// promise that objects made on first use look to the host exactly like objects made at once.
#include "native/TreeFixtures.h"

#include <gtest/gtest.h>

namespace
{
using namespace lumo;
using lumo::test::NameOf;
using Lines = std::vector<std::string>;

class TreeObjects : public ::testing::Test, protected lumo::test::TreeFixture
{
};

TEST_F(TreeObjects, NodeHeightsKeepWithinTheirBoundsAndTheGridsMinimum)
{
    TreeNode& n = *Node("n");
    EXPECT_EQ(n.GetHeight(), 10u);
    n.SetMaxHeight(30);
    n.SetHeight(50);
    EXPECT_EQ(n.GetHeight(), 30u);
    n.SetMinHeight(5); // below the grid's minimum cell height: not accepted
    EXPECT_EQ(n.GetMinHeight(), 10u);
    n.SetMinHeight(40); // above the maximum: becomes the maximum, and raises nothing
    EXPECT_EQ(n.GetMinHeight(), 30u);
    n.SetHeight(12);
    EXPECT_EQ(n.GetHeight(), 30u);
    model.SetImageListIconHeight(36);
    EXPECT_EQ(n.GetHeight(), 36u) << "as high as the image list's icons";
    model.SetMinimumCellHeight(3);
    EXPECT_EQ(model.GetMinimumCellHeight(), 10u);
    model.SetNodeIndentation(5);
    EXPECT_EQ(model.GetNodeIndentation(), 20u);
}

TEST_F(TreeObjects, StatesTextsAndWidthsFollowTheirSetterRules)
{
    TreeNode& n = *Node("n");
    n.SetState(0x2 | 0x8, true);
    EXPECT_EQ(n.GetState(), 0x8u) << "the focus bit is the grid's own";
    n.SetHeaderState(0x2 | 0x8, true);
    EXPECT_EQ(n.GetHeaderState(), 0xAu);
    EXPECT_FALSE(n.HasState(0xA));
    n.SetRowHeaderText(L"row");
    n.SetThirdText(L"third");
    EXPECT_EQ(n.GetRowHeaderText(), L"row");
    EXPECT_EQ(n.GetSecondText(), L"");

    TreeColumn& c = Column("c");
    c.SetWidth(5);
    EXPECT_EQ(c.GetWidth(), 11) << "without bounds, below 12 becomes 11";
    c.SetMinWidth(20);
    EXPECT_EQ(c.GetWidth(), 20);
    c.SetMaxWidth(10); // raised to the minimum
    EXPECT_EQ(c.GetMaxWidth(), 20);
    c.SetLeft(10);
    c.SetMaxWidth(0);
    c.SetMinWidth(0);
    c.SetWidth(11);
    EXPECT_EQ(c.GetRight(), 20);
    events.Take();
    c.SetTitle(L"Title");
    c.SetTitle(L"Title");
    c.SetVisible(false);
    EXPECT_EQ(events.Take(), (Lines{"ColumnTitleChanged c", "ColumnVisibilityChanged c"}));
}

TEST_F(TreeObjects, CollapsingAsksUnselectsTheRowsBelowAndSelectsTheNodeInstead)
{
    TreeColumn& tree = Column("tree");
    model.SetTreeColumn(&tree);
    TreeNode* a = Node("a");
    TreeNode* a1 = Node("a1", a);
    EXPECT_FALSE(a->IsExpanded());
    events.refuse.insert("NodeMayExpand a");
    EXPECT_FALSE(a->SetExpanded(true));
    events.refuse.clear();
    EXPECT_TRUE(a->SetExpanded(true));
    model.SelectCell(*model.CellOf(*a1, tree));
    events.Take();
    events.refuse.insert("NodeMayCollapse a");
    EXPECT_FALSE(a->SetExpanded(false));
    EXPECT_TRUE(a->IsExpanded()) << "refused: nothing changed";
    events.refuse.clear();
    EXPECT_TRUE(a->SetExpanded(false));
    EXPECT_EQ(events.Take(), (Lines{"NodeMayCollapse a (refused)", "NodeMayCollapse a",
                                    "CellMaySelect a/tree", "CellSelected a/tree", "NodeCollapsed a"}));
    EXPECT_EQ(model.GetSelectedCells(), (std::vector<TreeCell*>{model.CellOf(*a, tree)}));
    EXPECT_EQ(a1->GetRowIndex(), -1) << "not shown";
    model.SetTreeColumn(nullptr);
    EXPECT_TRUE(a->IsExpanded()) << "without a tree column every node reports expanded";
    EXPECT_EQ(a1->GetRowIndex(), 1);
}

TEST_F(TreeObjects, TheSelectionReadsInRowOrderAndKeepsRowsAndColumnsSelected)
{
    TreeColumn& x = Column("x");
    TreeColumn& y = Column("y");
    TreeNode* a = Node("a");
    TreeNode* b = Node("b");
    model.SetStyle(TreeStyle::kSelectColumnHeader, true);
    model.SelectCell(*model.CellOf(*b, y));
    model.SelectCell(*model.CellOf(*a, y));
    model.SelectCell(*model.CellOf(*b, x));
    std::vector<std::string> names;
    for (TreeCell* cell : model.GetSelectedCells())
        names.push_back(NameOf(*cell));
    EXPECT_EQ(names, (Lines{"a/y", "b/y", "b/x"}));
    EXPECT_EQ(b->GetSelectedCellCount(), 2u);
    EXPECT_TRUE(y.HasHeaderState(kStateSelect));
    EXPECT_FALSE(b->HasHeaderState(kStateSelect)) << "row headers only with their own setting";

    keys.control = true; // with Control and selection by columns the whole column goes
    model.SetStyle(TreeStyle::kColumnSelection, true);
    model.UnselectCell(*model.CellOf(*a, y));
    ASSERT_EQ(model.GetSelectedCells().size(), 1u);
    EXPECT_EQ(NameOf(*model.GetSelectedCells()[0]), "b/x");
    EXPECT_FALSE(y.HasState(kStateSelect));
    EXPECT_EQ(y.GetSelectedCellCount(), 0u);

    events.refuse.insert("CellMayUnselect b/x");
    model.ClearCellsSelection();
    EXPECT_EQ(model.GetSelectedCells().size(), 1u);
    model.References().anchor = model.CellOf(*a, x);
    events.refuse.insert("CellMaySelect a/x");
    model.SelectCell(*model.CellOf(*a, x));
    EXPECT_EQ(model.References().anchor, nullptr) << "Shift is not down: the anchor is forgotten";
}

TEST_F(TreeObjects, RowIndicesFollowInsertionsMovesAndVisibility)
{
    TreeNode* first = Node("first");
    std::vector<TreeNode*> rest;
    for (int i = 0; i < 50; ++i)
        rest.push_back(Node("n"));
    EXPECT_EQ(rest.back()->GetRowIndex(), 50);
    TreeNode* inserted = model.InsertNode(nullptr, first, const_cast<char*>("x"));
    EXPECT_EQ(rest.back()->GetRowIndex(), 51);
    EXPECT_EQ(inserted->GetRowIndex(), 1);
    model.MoveNodeTo(*rest.back(), nullptr, nullptr);
    EXPECT_EQ(rest.back()->GetRowIndex(), 0);
    EXPECT_EQ(rest[10]->GetRowIndex(), 13);
    inserted->SetVisible(false);
    EXPECT_EQ(rest[10]->GetRowIndex(), 12);
    EXPECT_EQ(inserted->GetRowIndex(), -1);
    inserted->SetVisible(true);
    EXPECT_EQ(rest[10]->GetRowIndex(), 13);
    EXPECT_TRUE(rest[10]->SetRowIndex(-1));
    EXPECT_FALSE(rest[10]->SetRowIndex(-1));
    EXPECT_EQ(rest[20]->GetRowIndex(), 23);
    model.RemoveNode(*first);
    EXPECT_EQ(rest[20]->GetRowIndex(), 22);
}

TEST_F(TreeObjects, EachStyleRecordsItsTypeNodeAndColumnAndDescendsFromItsDefault)
{
    TreeNode& n = *Node("n");
    TreeColumn& c = Column("c");
    TreeCell& cell = *model.CellOf(n, c);
    FreeFloatControl& free = model.CreateFloatControl(L"f", Rect{}, 0, 0, false, false, 0);
    auto defaultOf = [&](ObjectType type) { return styles.FindDefaultStyle(type); };
    struct
    {
        DrawStyle const& style;
        ObjectType type;
        TreeNode const* node;
        TreeColumn const* column;
        DrawStyle const* firstParent;
    } const cases[] = {
        {c.GetColumnStyle(), ObjectType::Column, nullptr, &c, defaultOf(ObjectType::Column)},
        {c.GetHeaderStyle(), ObjectType::ColumnHeader, nullptr, &c, defaultOf(ObjectType::ColumnHeader)},
        {c.GetCellStyle(), ObjectType::Cell, nullptr, &c, defaultOf(ObjectType::Cell)},
        {n.GetRowStyle(), ObjectType::Row, &n, nullptr, defaultOf(ObjectType::Row)},
        {n.GetRowHeaderStyle(), ObjectType::RowHeader, nullptr, nullptr, defaultOf(ObjectType::RowHeader)},
        {n.GetCellStyle(), ObjectType::Cell, &n, nullptr, nullptr},
        {cell.GetStyle(), ObjectType::Cell, &n, &c, &n.GetCellStyle()},
        {free.GetStyle(), ObjectType::FloatControl, nullptr, nullptr, defaultOf(ObjectType::FloatControl)},
    };
    for (auto const& expected : cases)
    {
        SCOPED_TRACE(static_cast<int>(expected.type));
        EXPECT_EQ(expected.style.GetObjectType(), expected.type);
        EXPECT_EQ(expected.style.GetNode(), expected.node);
        EXPECT_EQ(expected.style.GetColumn(), expected.column);
        EXPECT_EQ(expected.style.GetParent(0), expected.firstParent);
    }
    EXPECT_EQ(cell.GetStyle().GetParent(2), defaultOf(ObjectType::Cell));
    EXPECT_EQ(cell.GetStyle().GetParent(3), nullptr);
    EXPECT_EQ(c.GetColumnStyle().GetParent(1), nullptr);
}

TEST_F(TreeObjects, WithAHandlerEveryStyleIsMadeAndAnnouncedAtOnceWithoutOneOnFirstUse)
{
    TreeColumn& c = Column("c");
    TreeNode* n = Node("n");
    // Column: default column style, its style, default header, its header style, default cell, its cell
    // style; node: default row, row style, default row header, its style, node cell style, its cell's.
    ASSERT_EQ(styles.announced.size(), 12u);
    EXPECT_EQ(styles.announced[1], c.FindColumnStyle());
    EXPECT_EQ(styles.announced[11], model.CellOf(*n, c)->FindStyle());
    EXPECT_EQ(styles.announced[11]->GetParent(0), n->FindCellStyle());
    EXPECT_EQ(styles.announced[11]->GetParent(1), c.FindCellStyle());

    events.present = false;
    TreeNode* quiet = Node("quiet");
    EXPECT_EQ(styles.announced.size(), 12u);
    EXPECT_EQ(quiet->FindRowStyle(), nullptr);
    EXPECT_EQ(quiet->FindCell(c), nullptr) << "no cell object until one is asked for";
    TreeCell* cell = model.CellOf(*quiet, c);
    EXPECT_EQ(model.CellOf(*quiet, c), cell);
    EXPECT_EQ(cell->GetStyle().GetParent(1), c.FindCellStyle());
    EXPECT_EQ(styles.announced.size(), 12u) << "made on first use: nothing to announce";
    DrawStyle* const made = &quiet->GetRowStyle();
    EXPECT_EQ(quiet->FindRowStyle(), made);

    std::set<DrawStyle*> used;
    quiet->GetRowStyle().SetCursor(2);
    styles.EnumerateUsedStyles(used);
    EXPECT_EQ(used.count(quiet->FindRowStyle()), 1u);
    EXPECT_EQ(used.count(n->FindRowStyle()), 0u);

    EXPECT_TRUE(model.RemoveCell(*cell));
    EXPECT_EQ(model.CellOf(*quiet, c), nullptr) << "a removed cell stays removed";
    EXPECT_NE(model.RenewCell(*quiet, c), nullptr);
    EXPECT_EQ(events.Take().back(), "CellRemoving quiet/c");
}
} // namespace
