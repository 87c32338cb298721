// The tree grid's model through the DLL, as a host drives it: the host's own handler (built here, by the
// test, against the public header) must hear each notification under its own name.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/LeakRounds.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

namespace
{
using Lines = std::vector<std::string>;

std::string Name(CTreeGrid::INode* node)
{
    return node != nullptr ? static_cast<char const*>(node->GetData()) : "-";
}
std::string Name(CTreeGrid::IColumn* column)
{
    return column != nullptr ? static_cast<char const*>(column->GetData()) : "-";
}
std::string Name(CTreeGrid::ICell* cell)
{
    return Name(cell->GetNode()) + "/" + Name(cell->GetColumn());
}

// Records the model's notifications; refuses what `refuse` names.
class HostHandler : public CTreeGrid::CEventsHandler
{
public:
    bool ColumnsMayClear() override { return Ask("ColumnsMayClear"); }
    void ColumnsCleared() override { lines.push_back("ColumnsCleared"); }
    bool NodesMayClear() override { return Ask("NodesMayClear"); }
    void NodesCleared() override { lines.push_back("NodesCleared"); }
    void ColumnVisibilityChanged(CTreeGrid::IColumn* c) override
    {
        lines.push_back("ColumnVisibilityChanged " + Name(c));
    }
    void ColumnTitleChanged(CTreeGrid::IColumn* c) override
    {
        lines.push_back("ColumnTitleChanged " + Name(c));
    }
    bool ColumnMayInsert(CTreeGrid::IColumn* c, unsigned i) override
    {
        return Ask("ColumnMayInsert " + Name(c) + " " + std::to_string(i));
    }
    void ColumnInserted(CTreeGrid::IColumn* c) override { lines.push_back("ColumnInserted " + Name(c)); }
    bool ColumnMayRemove(CTreeGrid::IColumn* c) override { return Ask("ColumnMayRemove " + Name(c)); }
    void ColumnRemoved(CTreeGrid::IColumn* c) override { lines.push_back("ColumnRemoved " + Name(c)); }
    bool NodeMayInsert(CTreeGrid::INode* n, CTreeGrid::INode* p, CTreeGrid::INode* a) override
    {
        return Ask("NodeMayInsert " + Name(n) + " " + Name(p) + " " + Name(a));
    }
    void NodeInserted(CTreeGrid::INode* n) override { lines.push_back("NodeInserted " + Name(n)); }
    bool NodeMayRemove(CTreeGrid::INode* n) override { return Ask("NodeMayRemove " + Name(n)); }
    void NodeRemoved(CTreeGrid::INode* n) override { lines.push_back("NodeRemoved " + Name(n)); }
    bool NodeMayCollapse(CTreeGrid::INode* n) override { return Ask("NodeMayCollapse " + Name(n)); }
    void NodeCollapsed(CTreeGrid::INode* n) override { lines.push_back("NodeCollapsed " + Name(n)); }
    bool NodeMayExpand(CTreeGrid::INode* n) override { return Ask("NodeMayExpand " + Name(n)); }
    void NodeExpanded(CTreeGrid::INode* n) override { lines.push_back("NodeExpanded " + Name(n)); }
    void NodeVisibilityChanged(CTreeGrid::INode* n) override
    {
        lines.push_back("NodeVisibilityChanged " + Name(n));
    }
    void NodeMoved(CTreeGrid::INode* n, CTreeGrid::INode* p, CTreeGrid::INode* a) override
    {
        lines.push_back("NodeMoved " + Name(n) + " " + Name(p) + " " + Name(a));
    }
    bool CellMaySelect(CTreeGrid::ICell* c, bool) override { return Ask("CellMaySelect " + Name(c)); }
    void CellSelected(CTreeGrid::ICell* c) override { lines.push_back("CellSelected " + Name(c)); }
    bool CellMayUnselect(CTreeGrid::ICell* c) override { return Ask("CellMayUnselect " + Name(c)); }
    void CellRemoving(CTreeGrid::ICell* c) override { lines.push_back("CellRemoving " + Name(c)); }
    void StyleCreated(CTreeGrid::IDrawStyle*) override { ++styles; }

    Lines Take() { return std::exchange(lines, {}); }
    Lines lines;
    std::vector<std::string> refuse;
    int styles = 0;

private:
    bool Ask(std::string line)
    {
        bool const refused = std::find(refuse.begin(), refuse.end(), line) != refuse.end();
        lines.push_back(line + (refused ? " (refused)" : ""));
        return !refused;
    }
};

char kA[] = "a", kB[] = "b", kC[] = "c", kX[] = "x", kY[] = "y";

TEST(TreeGrid, AHostsHandlerHearsEveryModelNotificationUnderItsOwnName)
{
    HostHandler handler;
    CTreeGrid grid;
    grid.SetEventsHandler(&handler);
    ASSERT_TRUE(grid.InsertColumn(0, L"X", 60, kX));
    handler.refuse = {"ColumnMayInsert y 1"};
    EXPECT_FALSE(grid.InsertColumn(5, L"Y", 60, kY));
    CTreeGrid::IColumn& x = grid.GetColumn(0);
    grid.SetTreeColumn(&x);
    CTreeGrid::INode* a = grid.AddNode(nullptr, kA);
    CTreeGrid::INode* b = grid.AddNode(a, kB);
    CTreeGrid::INode* c = grid.AddNode(nullptr, kC);
    EXPECT_EQ(b->GetParent(), a);
    EXPECT_EQ(a->GetParent(), grid.GetRootNode());
    a->SetExpanded(true);
    grid.SelectCell(*b->GetCell(x));
    a->SetExpanded(false);
    x.SetTitle(L"Renamed");
    c->SetVisible(false);
    grid.MoveNodeTo(*c, a, nullptr);
    grid.RemoveCell(*c->GetCell(x));
    handler.refuse = {"NodeMayRemove b"};
    EXPECT_FALSE(grid.RemoveNode(*a));
    grid.ClearNodes();
    grid.ClearColumns();
    EXPECT_EQ(handler.Take(), (Lines{"ColumnMayInsert x 0",
                                     "ColumnInserted x",
                                     "ColumnMayInsert y 1 (refused)",
                                     "NodeMayInsert a - -",
                                     "NodeInserted a",
                                     "NodeMayInsert b a -",
                                     "NodeInserted b",
                                     "NodeMayInsert c - a",
                                     "NodeInserted c",
                                     "NodeMayExpand a",
                                     "NodeExpanded a",
                                     "CellMaySelect b/x",
                                     "CellSelected b/x",
                                     "NodeMayCollapse a",
                                     "CellMaySelect a/x",
                                     "CellSelected a/x",
                                     "NodeCollapsed a",
                                     "ColumnTitleChanged x",
                                     "NodeVisibilityChanged c",
                                     "NodeMoved c a -",
                                     "CellRemoving c/x",
                                     "NodeMayRemove a",
                                     "NodeMayRemove c",
                                     "NodeRemoved c",
                                     "NodeMayRemove b (refused)",
                                     "NodesMayClear",
                                     "NodesCleared",
                                     "ColumnsMayClear",
                                     "ColumnRemoved x",
                                     "ColumnsCleared"}));
    // Every style was announced as its object was made: 5 default styles, 3 of each column (the refused
    // one's too), 3 of each node and one of each cell.
    EXPECT_EQ(handler.styles, 5 + 3 * 2 + 3 * 3 + 3);
    grid.SetEventsHandler(nullptr);
}

TEST(TreeGrid, ObjectsOfAnotherTreeGridOrOutOfRangeAreErrors)
{
    CTreeGrid grid;
    CTreeGrid other;
    other.InsertColumn(0, L"X", 60, kX);
    CTreeGrid::INode* foreign = other.AddNode(nullptr, kA);
    EXPECT_THROW(grid.RemoveNode(*foreign), std::bad_cast);
    EXPECT_THROW(grid.GetColumnIndex(other.GetColumn(0)), std::bad_cast);
    EXPECT_THROW(grid.GetColumn(0), std::out_of_range);
    EXPECT_THROW(grid.GetFloatControl(0), std::out_of_range);
    EXPECT_EQ(other.GetColumnCount(), 1u) << "nothing changed on the way";
}

TEST(TreeGrid, NodesColumnsAndFloatControlsKeepWhatTheHostSets)
{
    CTreeGrid grid;
    grid.InsertColumn(0, L"X", 5, kX);
    CTreeGrid::IColumn& x = grid.GetColumn(0);
    EXPECT_EQ(x.GetWidth(), 11);
    CTreeGrid::INode* a = grid.AddNode(nullptr, kA);
    a->SetState(CTreeGrid::STATE_FOCUS | CTreeGrid::STATE_SELECT, true);
    EXPECT_EQ(a->GetState(), unsigned{CTreeGrid::STATE_SELECT});
    a->GetRowStyle()->SetCursor(2);
    EXPECT_EQ(a->GetRowStyle()->GetNode(), a);
    CTreeGrid::ICell* cell = a->GetCell(x);
    EXPECT_EQ(cell->GetStyle()->GetColumn(), &x);
    EXPECT_EQ(x.GetCell(*a), cell);
    CTreeGrid::IFloatControl* control = grid.CreateFloatControl(L"badge", 10, 20, 30, 40, 0, 0);
    EXPECT_EQ(control->GetRect().right, 40);
    EXPECT_EQ(&grid.GetFloatControl(0), control);
    std::set<CTreeGrid::IDrawStyle*> used;
    grid.EnumerateUsedStyles(used);
    EXPECT_EQ(used.count(a->GetRowStyle()), 1u);
    CBitmap const large(CreateBitmap(4, 4, 1, 32, nullptr));
    CBitmap const small(CreateBitmap(2, 2, 1, 32, nullptr));
    EXPECT_TRUE(grid.AddImage(L"one", large));
    EXPECT_FALSE(grid.AddImage(L"one", small)) << "the first image stays";
    EXPECT_EQ(grid.GetImage(L"one")->GetWidth(), 4);
}

TEST(TreeGrid, TreeGridsAndTheirStylesLeaveNoObjectBehind)
{
    auto round = []
    {
        CTreeGrid grid(CTreeGrid::LOOK_THEME);
        grid.InsertColumn(0, L"X", 60, kX);
        for (int i = 0; i < 20; ++i)
        {
            CTreeGrid::INode* node = grid.AddNode(nullptr, kA);
            CTreeGrid::IObjStyle* style = node->GetCell(grid.GetColumn(0))->GetStyle();
            style->SetFont(CTreeGrid::STATE_NORMAL, grid.GetFont());
            style->GetPaintStyle(CTreeGrid::STATE_NORMAL)->GetFont(); // makes the paint style's font object
        }
        for (int type = 1; type <= 19; ++type)
            grid.GetDefaultStyle(static_cast<CTreeGrid::EObjectType>(type))->Describe();
        grid.SetImageList(CBitmap(CreateBitmap(32, 16, 1, 32, nullptr)), 16, 1, RGB(255, 0, 255));
    };
    ExpectRoundsLeaveNoHandles([&](int) { round(); }, 50);
}
} // namespace
