// The tree grid's structure: inserting, removing, moving and clearing nodes and columns, as the handler
// hears of it, with its refusals.
#include "native/TreeFixtures.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
using namespace lumo;
using lumo::test::NameOf;
using Lines = std::vector<std::string>;

class TreeModelTest : public ::testing::Test, protected lumo::test::TreeFixture
{
};

TEST_F(TreeModelTest, NodesAreInsertedWhereAskedUnlessTheHostOrTheirPlaceRefuses)
{
    TreeNode* a = Node("a");
    TreeNode* c = Node("c");
    TreeNode* b = model.InsertNode(nullptr, a, const_cast<char*>("b"));
    TreeNode* a1 = Node("a1", a);
    EXPECT_EQ(model.InsertNode(a, c, const_cast<char*>("x")), nullptr) << "c is not a child of a";
    events.refuse.insert("NodeMayInsert y a a1");
    EXPECT_EQ(model.InsertNode(a, a1, const_cast<char*>("y")), nullptr);
    EXPECT_EQ(Tree(), "a(a1) b c");
    EXPECT_EQ(events.Take(),
              (Lines{"NodeMayInsert a - -", "NodeInserted a", "NodeMayInsert c - a", "NodeInserted c",
                     "NodeMayInsert b - a", "NodeInserted b", "NodeMayInsert a1 a -", "NodeInserted a1",
                     "NodeMayInsert y a a1 (refused)"}));
    EXPECT_EQ(a1->GetLevel(), 1);
    EXPECT_EQ(b->GetLevel(), 0);
    EXPECT_EQ(a->GetNextInTree(), a1);
    EXPECT_EQ(a1->GetNextInTree(), b);
    EXPECT_EQ(c->GetNextInTree(), nullptr);
    EXPECT_EQ(model.GetNodeCount(), 4u);
    EXPECT_EQ(model.InsertNode(nullptr, nullptr, const_cast<char*>("z"))->GetCachedRowIndex(), 0);
}

TEST_F(TreeModelTest, RemovalGoesDepthFirstOfferingEachNodeAndStopsAtARefusal)
{
    TreeNode* a = Node("a");
    Node("a2", Node("a1", a));
    Node("a3", a);
    Node("b");
    events.Take();
    events.refuse.insert("NodeMayRemove a3");
    EXPECT_FALSE(model.RemoveNode(*a));
    EXPECT_EQ(events.Take(), (Lines{"NodeMayRemove a", "NodeMayRemove a1", "NodeMayRemove a2",
                                    "NodeRemoved a2", "NodeRemoved a1", "NodeMayRemove a3 (refused)"}));
    EXPECT_EQ(Tree(), "a(a3) b") << "what went before the refusal stays removed";
    events.refuse.clear();
    EXPECT_TRUE(model.RemoveNode(*a));
    EXPECT_EQ(Tree(), "b");
    EXPECT_EQ(model.GetNodeCount(), 1u);
    EXPECT_FALSE(model.RemoveNode(model.GetRoot()));
}

TEST_F(TreeModelTest, MovesAreRefusedOntoThemselvesTheirDescendantsOrTheirOwnPlace)
{
    TreeNode* a = Node("a");
    TreeNode* a1 = Node("a1", a);
    TreeNode* b = Node("b");
    TreeNode* b1 = Node("b1", b);
    events.Take();
    EXPECT_FALSE(model.MoveNodeTo(*a, a1, nullptr)) << "under its own child";
    EXPECT_FALSE(model.MoveNodeTo(*a, a, nullptr));
    EXPECT_FALSE(model.MoveNodeTo(*b, nullptr, a)) << "already right after a";
    EXPECT_FALSE(model.MoveNodeTo(*b, nullptr, b));
    EXPECT_FALSE(model.MoveNodeTo(*b, a, b1)) << "b1 is not a child of a";
    EXPECT_TRUE(model.MoveNodeTo(*b1, a, nullptr)) << "a first child may go to the front of another parent";
    EXPECT_TRUE(model.MoveNodeTo(*a, b, nullptr));
    EXPECT_EQ(Tree(), "b(a(b1 a1))");
    EXPECT_EQ(events.Take(), (Lines{"NodeMoved b1 a -", "NodeMoved a b -"}));
    EXPECT_EQ(a1->GetLevel(), 2);
    EXPECT_EQ(b1->GetLevel(), 2);
}

TEST_F(TreeModelTest, ClearingNodesAsksOnceAndTakesTheSelectionWithThem)
{
    TreeColumn& one = Column("one");
    TreeNode* a = Node("a");
    Node("a1", a);
    model.SelectCell(*model.CellOf(*a, one));
    events.Take();
    events.refuse.insert("NodesMayClear");
    model.ClearNodes();
    EXPECT_EQ(Tree(), "a(a1)");
    events.refuse.clear();
    model.ClearNodes();
    EXPECT_EQ(events.Take(), (Lines{"NodesMayClear (refused)", "NodesMayClear", "NodesCleared"}));
    EXPECT_EQ(Tree(), "");
    EXPECT_TRUE(model.GetSelectedCells().empty());
    EXPECT_EQ(one.GetSelectedCellCount(), 0u);
    EXPECT_FALSE(one.HasState(kStateSelect));
}

TEST_F(TreeModelTest, ColumnsInsertAtAClampedIndexMoveAndGoWithTheirReferences)
{
    TreeColumn& a = Column("a");
    TreeColumn& b = Column("b");
    events.refuse.insert("ColumnMayInsert x 2");
    EXPECT_FALSE(model.InsertColumn(99, L"", 50, const_cast<char*>("x")));
    Column("c");
    EXPECT_EQ(events.Take(),
              (Lines{"ColumnMayInsert a 0", "ColumnInserted a", "ColumnMayInsert b 1", "ColumnInserted b",
                     "ColumnMayInsert x 2 (refused)", "ColumnMayInsert c 2", "ColumnInserted c"}));
    model.MoveColumnTo(a, 2); // rightwards: the index counted the column itself
    EXPECT_EQ(model.GetColumnIndex(a), 1);
    model.MoveColumnTo(a, 0);
    EXPECT_EQ(model.GetColumnIndex(a), 0);
    EXPECT_THROW(model.GetColumn(3), std::out_of_range);

    TreeNode* n = Node("n");
    model.SetTreeColumn(&b);
    model.LockColumnsUntil(&b);
    model.SelectColumnHeader(&b);
    model.SelectCell(*model.CellOf(*n, b));
    events.Take();
    events.refuse.insert("ColumnMayRemove b");
    EXPECT_FALSE(model.RemoveColumn(b));
    events.refuse.clear();
    EXPECT_TRUE(model.RemoveColumn(b));
    EXPECT_EQ(model.GetTreeColumn(), nullptr);
    EXPECT_EQ(model.GetLockColumn(), &a) << "the boundary moves to the column before";
    EXPECT_EQ(model.GetSelectedColumnHeader(), nullptr);
    EXPECT_TRUE(model.GetSelectedCells().empty());
    EXPECT_FALSE(n->HasState(kStateSelect));
    EXPECT_EQ(events.Take(), (Lines{"ColumnMayRemove b (refused)", "ColumnMayRemove b", "ColumnRemoved b"}));

    model.ClearColumns(); // one question for all of them
    EXPECT_EQ(events.Take(),
              (Lines{"ColumnsMayClear", "ColumnRemoved c", "ColumnRemoved a", "ColumnsCleared"}));
    EXPECT_EQ(model.GetColumnCount(), 0u);
}

TEST_F(TreeModelTest, FloatControlsAreNumberedInCreationOrder)
{
    FreeFloatControl& first = model.CreateFloatControl(L"first", Rect{1, 2, 11, 22}, 0, 0, false, true, 7);
    FreeFloatControl& second = model.CreateFloatControl(L"second", Rect{0, 0, 5, 5}, 40, 20, true, false, 0);
    EXPECT_EQ(second.GetNumber(), first.GetNumber() + 1);
    EXPECT_EQ(first.GetValue(), 7);
    EXPECT_TRUE(first.IsVerticallyLocked());
    EXPECT_EQ(second.GetEditorWidth(), 40);
    model.References().focus = &first;
    model.RemoveFloatControl(first);
    EXPECT_EQ(model.References().focus, nullptr);
    EXPECT_EQ(&model.GetFloatControl(0), &second);
    EXPECT_THROW(model.GetFloatControl(1), std::out_of_range);
}
} // namespace
