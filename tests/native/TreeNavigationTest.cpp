// Where keys, type-ahead and node drags take the focus and the selection, on a small tree:
//   a (a1 a2) b c, columns x y z, every node expanded.
#include "native/TreeFixtures.h"

#include "LumoControls/TreeGrid/TreeNavigation.h"

#include <gtest/gtest.h>

namespace
{
using namespace lumo;
using test::NameOf;

struct NavigationFixture : test::TreeFixture
{
    TreeColumn& x = Column("x");
    TreeColumn& y = Column("y");
    TreeColumn& z = Column("z");
    TreeNode* a = Node("a");
    TreeNode* a1 = Node("a1", a);
    TreeNode* a2 = Node("a2", a);
    TreeNode* b = Node("b");
    TreeNode* c = Node("c");

    NavigationFixture()
    {
        model.SetTreeColumn(&x);
        a->SetExpanded(true);
    }
    TreeCell& At(TreeNode* node, TreeColumn& column) { return *model.CellOf(*node, column); }
    std::string Move(TreeNode* node, TreeColumn& column, KeyMove move, int page = 2)
    {
        TreeCell* const target = MoveTarget(model, At(node, column), move, page);
        return target != nullptr ? NameOf(*target) : "none";
    }
};

TEST(TreeNavigation, KeysMoveAlongRowsAndColumnsSkippingWhatCannotTakeTheFocus)
{
    NavigationFixture f;
    f.At(f.a2, f.y).SetState(kStateDisable, true);
    f.b->SetVisible(false);
    f.y.SetVisible(false);
    struct
    {
        TreeNode* node;
        TreeColumn* column;
        KeyMove move;
        std::string expected;
    } const cases[] = {
        {f.a1, &f.x, KeyMove::Right, "a1/z"}, // y is hidden
        {f.a1, &f.z, KeyMove::Right, "none"},   {f.a1, &f.z, KeyMove::Left, "a1/x"},
        {f.a1, &f.x, KeyMove::Down, "a2/x"},    {f.a2, &f.x, KeyMove::Down, "c/x"}, // b is hidden
        {f.a, &f.x, KeyMove::Up, "none"},       {f.a, &f.x, KeyMove::PageDown, "a2/x"},
        {f.a2, &f.x, KeyMove::PageDown, "c/x"}, // the page stops at the last row
        {f.c, &f.x, KeyMove::PageUp, "a1/x"},   {f.c, &f.z, KeyMove::Home, "a/z"},
        {f.a, &f.z, KeyMove::End, "c/z"},       {f.a2, &f.z, KeyMove::Parent, "a/x"},
        {f.a, &f.x, KeyMove::Parent, "none"}, // a top-level node has no parent to go to
    };
    for (auto const& c : cases)
        EXPECT_EQ(f.Move(c.node, *c.column, c.move), c.expected) << NameOf(c.node) << "/" << NameOf(c.column);
    f.y.SetVisible(true);
    EXPECT_EQ(f.Move(f.a1, f.y, KeyMove::Down, 1), "c/y"); // a2/y is disabled, b hidden
}

TEST(TreeNavigation, ARangeIsTheRectangleOfShownCellsBetweenItsEndsInRowOrder)
{
    NavigationFixture f;
    f.a1->SetVisible(false);
    std::string names;
    for (TreeCell* cell : RangeCells(f.model, f.At(f.b, f.z), f.At(f.a, f.y)))
        names += NameOf(*cell) + " ";
    EXPECT_EQ(names, "a/y a/z a2/y a2/z b/y b/z ");
}

TEST(TreeNavigation, TypeAheadGrowsItsPrefixWithinASecondAndWrapsRoundTheRows)
{
    NavigationFixture f;
    for (auto [node, text] :
         {std::pair{f.a, L"Apple"}, {f.a1, L"apricot"}, {f.a2, L"banana"}, {f.b, L"avocado"}})
        f.At(node, f.x).SetText(text);
    TypeAhead typing;
    // One character starts after the focus row: from a, a1 is next.
    EXPECT_EQ(NameOf(*typing.Type(f.model, &f.At(f.a, f.x), L'a', 0)), "a1/x");
    // A second character within the second searches "av" from the focus row.
    EXPECT_EQ(NameOf(*typing.Type(f.model, &f.At(f.a1, f.x), L'V', 500)), "b/x");
    // After a pause the prefix starts again; from b the search wraps round to a.
    EXPECT_EQ(NameOf(*typing.Type(f.model, &f.At(f.b, f.x), L'a', 1600)), "a/x");
    EXPECT_EQ(typing.Prefix(), L"a");
    // No text begins with "ab": the typed character alone is looked for again.
    EXPECT_EQ(NameOf(*typing.Type(f.model, &f.At(f.a, f.x), L'b', 1700)), "a2/x");
    EXPECT_EQ(typing.Type(f.model, &f.At(f.a, f.x), L'q', 1800), nullptr);
}

TEST(TreeNavigation, NodeDropsGoOntoAboveOrBelowTheirTargetAndNeverUnderADraggedNode)
{
    NavigationFixture f;
    EXPECT_EQ(ZoneOf(0, 20, 4), DropZone::Above);
    EXPECT_EQ(ZoneOf(0, 20, 5), DropZone::Onto);
    EXPECT_EQ(ZoneOf(0, 20, 15), DropZone::Onto);
    EXPECT_EQ(ZoneOf(0, 20, 16), DropZone::Below);
    NodePlace const onto = PlaceFor(*f.a, DropZone::Onto);
    EXPECT_EQ(onto.parent, f.a);
    EXPECT_EQ(onto.after, f.a2);
    NodePlace const above = PlaceFor(*f.b, DropZone::Above);
    EXPECT_EQ(above.parent, &f.model.GetRoot());
    EXPECT_EQ(above.after, f.a);
    EXPECT_EQ(PlaceFor(*f.a1, DropZone::Below).after, f.a1);

    // a and its child a2 selected: only a is dragged; neither a nor anything under it takes the drop.
    f.model.SelectCell(f.At(f.a2, f.x));
    f.model.SelectCell(f.At(f.a, f.x));
    f.model.SelectCell(f.At(f.c, f.y)); // not the tree column
    std::vector<TreeNode*> const dragged = DraggedNodes(f.model);
    ASSERT_EQ(dragged.size(), 1u);
    EXPECT_EQ(dragged[0], f.a);
    EXPECT_FALSE(AcceptsDrop(*f.a1, dragged));
    EXPECT_FALSE(AcceptsDrop(*f.a, dragged));
    EXPECT_TRUE(AcceptsDrop(*f.b, dragged));
    EXPECT_FALSE(PassesDragThreshold(Point{10, 10}, Point{15, 5}));
    EXPECT_TRUE(PassesDragThreshold(Point{10, 10}, Point{10, 16}));
}
} // namespace
