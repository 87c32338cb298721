// The tree grid under real mouse and keyboard messages, with the notifications it sends compared whole:
// clicks and selection, delayed editing and the double click that cancels it, the drag threshold,
// resizing and its refusal, keyboard navigation and ranges, the wheel, tooltips and node drag and drop.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/TestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
using Lines = std::vector<std::string>;

std::string Name(CTreeGrid::INode const* node)
{
    return node == nullptr ? "-" : static_cast<char const*>(node->GetData());
}
std::string Name(CTreeGrid::IFloatControl const* control)
{
    auto const* cell = dynamic_cast<CTreeGrid::ICell const*>(control);
    return cell == nullptr ? "-" : Name(cell->GetNode());
}

// Records the interaction's notifications (not the painting ones); refuses what `refuse` names.
class InteractionHandler : public CTreeGrid::CEventsHandler
{
public:
    void MouseDown(bool doubleClick, int, int, bool&) override { Say(doubleClick ? "down2" : "down"); }
    void MouseUp(int, int) override { Say("up"); }
    void SelectionChanged() override { Say("selection"); }
    bool ClearSelectionQuery() override { return Ask("clear?"); }
    void ColumnResized(CTreeGrid::IColumn*) override { Say("column resized"); }
    void ColumnWidthChanged(CTreeGrid::IColumn* column) override
    {
        Say("width " + std::to_string(column->GetWidth()));
    }
    bool ColumnResizeStart(CTreeGrid::IColumn*) override { return Ask("resize?"); }
    bool ColumnDragStart(CTreeGrid::IColumn*) override { return Ask("column drag?"); }
    bool FocusMayChange(CTreeGrid::IFloatControl* control) override { return Ask("focus? " + Name(control)); }
    void FocusGained(CTreeGrid::IFloatControl* control) override { Say("focus " + Name(control)); }
    bool ControlTooltip(CTreeGrid::IFloatControl* control, std::wstring&) override
    {
        return Ask("tooltip " + Name(control));
    }
    bool NodesDragStart(std::vector<CTreeGrid::INode*>& nodes) override
    {
        return Ask("drag " + std::to_string(nodes.size()));
    }
    bool NodeDropTarget(CTreeGrid::INode* parent, CTreeGrid::INode* after) override
    {
        return Ask("target? " + Name(parent) + " " + Name(after));
    }
    void NodesDropped(std::vector<CTreeGrid::INode*>& nodes, CTreeGrid::INode* parent,
                      CTreeGrid::INode* after) override
    {
        Say("dropped " + Name(nodes.front()) + " " + Name(parent) + " " + Name(after));
    }
    void NodesDropFinished() override { Say("drop finished"); }
    void CellClick(CTreeGrid::ICell* cell, bool down, bool&) override
    {
        Say(std::string(down ? "click " : "click up ") + Name(cell));
    }
    void CellDoubleClick(CTreeGrid::ICell* cell) override { Say("double click " + Name(cell)); }
    bool CellMaySelect(CTreeGrid::ICell* cell, bool) override { return Ask("select? " + Name(cell)); }
    bool EditorMayOpen(CTreeGrid::IControl*) override { return Ask("editor?"); }

    Lines Take() { return std::exchange(lines, {}); }
    Lines lines;
    std::vector<std::string> refuse;

private:
    void Say(std::string line) { lines.push_back(std::move(line)); }
    bool Ask(std::string line)
    {
        bool const agreed = std::find(refuse.begin(), refuse.end(), line) == refuse.end();
        lines.push_back(line + (agreed ? "" : " (refused)"));
        return agreed;
    }
};

// Five top-level nodes "n0".."n4" of 20 pixels in two columns of 100 (the first the tree column), in a
// shown grid of 300 x 200 with a column header.
class TreeGridInteraction : public testing::Test
{
protected:
    void SetUp() override
    {
        m_grid.Create(CWnd(m_parent));
        m_grid.Resize(RECT{0, 0, 300, 200});
        m_grid.Show(true);
        m_grid.InsertColumn(0, L"A", 100);
        m_grid.InsertColumn(1, L"B", 100);
        m_grid.SetTreeColumn(&m_grid.GetColumn(0));
        static char const* const names[] = {"n0", "n1", "n2", "n3", "n4"};
        for (char const* name : names)
        {
            CTreeGrid::INode* const node = m_grid.AddNode(nullptr, const_cast<char*>(name));
            node->SetHeight(20);
            for (unsigned column : {0u, 1u})
                node->GetCell(m_grid.GetColumn(column))->SetText(L"a text of the cell");
            m_nodes.push_back(node);
        }
        m_window = m_grid.GetWindow().GetHandle();
        SetFocus(m_window);
        m_grid.SetEventsHandler(&m_handler);
    }
    void TearDown() override
    {
        SetKeys(false, false);
        m_grid.SetEventsHandler(nullptr);
        m_grid.Destroy();
    }
    CTreeGrid::ICell& Cell(int row, int column = 0)
    {
        return *m_nodes[row]->GetCell(m_grid.GetColumn(column));
    }
    // A point in the cell's text area, dy pixels below its top.
    POINT In(int row, int column = 0, int dy = 10)
    {
        RECT const r = Cell(row, column).GetRect();
        return POINT{r.left + 40, r.top + dy};
    }
    void Send(UINT message, POINT p, WPARAM keys = 0)
    {
        SendMessageW(m_window, message, keys, MAKELPARAM(p.x, p.y));
    }
    void Click(POINT p, WPARAM keys = 0)
    {
        Send(WM_LBUTTONDOWN, p, MK_LBUTTON | keys);
        Send(WM_LBUTTONUP, p, keys);
    }
    static void SetKeys(bool shift, bool control)
    {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(state);
    }
    void Key(UINT key, bool shift = false, bool control = false)
    {
        SetKeys(shift, control);
        SendMessageW(m_window, WM_KEYDOWN, key, 1);
        SetKeys(false, false);
    }
    std::string Selected()
    {
        std::string names;
        std::vector<CTreeGrid::ICell*> cells;
        m_grid.GetSelectedCells(cells);
        for (CTreeGrid::ICell* cell : cells)
            names += Name(cell->GetNode()) + "/" +
                     std::to_string(cell->GetColumn() == &m_grid.GetColumn(0) ? 0 : 1) + " ";
        return names;
    }

    CTestParent m_parent{400, 300};
    HWND m_window = nullptr;
    InteractionHandler m_handler;
    CTreeGrid m_grid{CTreeGrid::LOOK_THEME};
    std::vector<CTreeGrid::INode*> m_nodes;
};

TEST_F(TreeGridInteraction, AClickSelectsTheCellAndGivesItTheFocusAndEmptySpaceClearsWithTheHostsSay)
{
    Click(In(1));
    EXPECT_EQ(m_handler.Take(), (Lines{"down", "click n1", "focus? n1", "focus n1", "up", "click up n1",
                                       "select? n1", "selection"}));
    EXPECT_EQ(Selected(), "n1/0 ");
    m_handler.refuse = {"clear?"};
    Click(POINT{250, 180}); // below the last row, right of the columns
    EXPECT_EQ(m_handler.Take(), (Lines{"down", "up", "clear? (refused)"}));
    EXPECT_EQ(Selected(), "n1/0 ");
    m_handler.refuse.clear();
    Click(POINT{250, 180});
    EXPECT_EQ(m_handler.Take(), (Lines{"down", "up", "clear?", "selection"}));
    EXPECT_EQ(Selected(), "");
}

TEST_F(TreeGridInteraction, AClickOnTheSelectedCellOpensItsEditorAfterHalfASecondUnlessADoubleClickFollows)
{
    Cell(2).GetStyle()->SetControlKind(CTreeGrid::CONTROL_EDIT);
    Click(In(2));
    Click(In(2)); // already selected: the editor is due in 10 ticks
    m_handler.Take();
    PumpMessages(300);
    EXPECT_EQ(m_grid.GetControlFocus(), nullptr);
    EXPECT_TRUE(PumpMessagesUntil([&] { return m_grid.GetControlFocus() == &Cell(2); }));
    EXPECT_EQ(m_handler.Take(), Lines{"editor?"});
    m_grid.SetControlFocus(nullptr, false);

    Click(In(2));
    Send(WM_LBUTTONDBLCLK, In(2), MK_LBUTTON);
    Send(WM_LBUTTONUP, In(2));
    PumpMessages(800);
    EXPECT_EQ(m_grid.GetControlFocus(), nullptr);
    EXPECT_EQ(m_handler.Take(), (Lines{"down", "click n2", "up", "click up n2", "down2", "double click n2",
                                       "up", "click up n2"}));

    // With double-click activation, a double click even on the cell's empty part opens the editor.
    Cell(3).GetStyle()->SetControlKind(CTreeGrid::CONTROL_EDIT);
    Cell(3).GetStyle()->SetActivation(CTreeGrid::ACTIVATION_ON_DOUBLE_CLICK);
    RECT const r = Cell(3).GetRect();
    POINT const empty{r.right - 3, (r.top + r.bottom) / 2};
    Click(empty);
    Send(WM_LBUTTONDBLCLK, empty, MK_LBUTTON);
    Send(WM_LBUTTONUP, empty);
    EXPECT_TRUE(PumpMessagesUntil([&] { return m_grid.GetControlFocus() == &Cell(3); }));
}

TEST_F(TreeGridInteraction, AColumnHeaderDragsOnlyOnceTheMouseIsMoreThanFivePixelsAway)
{
    RECT const header = m_grid.GetColumn(1).GetHeaderRect();
    POINT const press{header.left + 30, (header.top + header.bottom) / 2};
    for (int distance : {5, 6})
    {
        Send(WM_LBUTTONDOWN, press, MK_LBUTTON);
        Send(WM_MOUSEMOVE, POINT{press.x - distance, press.y}, MK_LBUTTON);
        Send(WM_MOUSEMOVE, POINT{press.x, press.y + distance}, MK_LBUTTON);
        SendMessageW(m_window, WM_KEYDOWN, VK_ESCAPE, 1); // abandons the drag
        Send(WM_LBUTTONUP, press);
        Lines const heard = m_handler.Take();
        EXPECT_EQ(std::count(heard.begin(), heard.end(), "column drag?"), distance == 6 ? 1 : 0) << distance;
    }
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TreeGridInteraction, AColumnEdgeResizesWithTheHostsSayAndARefusalChangesNothing)
{
    RECT const header = m_grid.GetColumn(0).GetHeaderRect();
    POINT const edge{header.right - 2, (header.top + header.bottom) / 2};
    m_handler.refuse = {"resize?"};
    Send(WM_MOUSEMOVE, edge);
    Send(WM_LBUTTONDOWN, edge, MK_LBUTTON);
    Send(WM_MOUSEMOVE, POINT{edge.x + 30, edge.y}, MK_LBUTTON);
    Send(WM_LBUTTONUP, POINT{edge.x + 30, edge.y});
    EXPECT_EQ(m_grid.GetColumn(0).GetWidth(), 100);
    EXPECT_EQ(m_handler.Take(), (Lines{"down", "resize? (refused)", "up"}));

    m_handler.refuse.clear();
    Send(WM_LBUTTONDOWN, edge, MK_LBUTTON);
    Send(WM_MOUSEMOVE, POINT{edge.x + 30, edge.y}, MK_LBUTTON);
    Send(WM_LBUTTONUP, POINT{edge.x + 30, edge.y});
    EXPECT_EQ(m_grid.GetColumn(0).GetWidth(), 130);
    EXPECT_EQ(m_handler.Take(), (Lines{"down", "resize?", "width 130", "up", "column resized"}));
}

TEST_F(TreeGridInteraction, KeysMoveTheFocusShiftExtendsFromTheAnchorAndCtrlMovesTheFocusAlone)
{
    Click(In(1));
    m_handler.Take();
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), "n2/0 ");
    Key(VK_RIGHT, true);
    Key(VK_DOWN, true);
    EXPECT_EQ(Selected(), "n2/0 n2/1 n3/0 n3/1 ");
    Key(VK_UP, false, true); // the focus alone: n2/1
    EXPECT_EQ(Selected(), "n2/0 n2/1 n3/0 n3/1 ");
    m_handler.Take();
    Key(VK_BACK); // n2 is a top-level node: no parent to move to
    Key(VK_HOME);
    EXPECT_EQ(m_handler.Take(), (Lines{"select? n0", "focus? n0", "focus n0", "selection"}));
    EXPECT_EQ(Selected(), "n0/1 ");
}

TEST_F(TreeGridInteraction, TheWheelScrollsFourRowsWhateverItsDelta)
{
    for (int i = 0; i < 20; ++i)
        m_grid.AddNode(nullptr, const_cast<char*>("more"))->SetHeight(20);
    for (int delta : {-120, -1200})
    {
        m_grid.SetVerticalScrollPosition(0);
        SendMessageW(m_window, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(50, 50));
        EXPECT_EQ(m_grid.GetTopVisibleNode(), m_nodes[4]) << delta;
    }
    SendMessageW(m_window, WM_MOUSEWHEEL, MAKEWPARAM(0, 480), MAKELPARAM(50, 50));
    EXPECT_EQ(m_grid.GetTopVisibleNode(), m_nodes[0]) << "upwards, four rows again";
}

TEST_F(TreeGridInteraction, ATooltipShowsAfterTheHoverTicksButNeverOverAnOpenEditor)
{
    Cell(1).SetTooltip(L"tip");
    Cell(1).GetStyle()->SetControlKind(CTreeGrid::CONTROL_EDIT);
    m_grid.SetTicksBeforeDisplayTooltips(2);
    POINT screen = In(1);
    ClientToScreen(m_window, &screen);
    SetCursorPos(screen.x, screen.y);
    m_grid.EditControl(Cell(1));
    Send(WM_MOUSEMOVE, In(1));
    PumpMessages(400);
    EXPECT_EQ(m_grid.GetControlFocus(), &Cell(1));
    Lines heard = m_handler.Take();
    EXPECT_EQ(std::count(heard.begin(), heard.end(), "tooltip n1"), 0);
    m_grid.SetControlFocus(nullptr, false);
    heard.clear();
    EXPECT_TRUE(PumpMessagesUntil(
        [&]
        {
            Lines const more = m_handler.Take();
            heard.insert(heard.end(), more.begin(), more.end());
            return std::count(heard.begin(), heard.end(), "tooltip n1") > 0;
        }));
    PumpMessages(100);
    Lines const after = m_handler.Take();
    heard.insert(heard.end(), after.begin(), after.end());
    EXPECT_EQ(std::count(heard.begin(), heard.end(), "tooltip n1"), 1);
}

TEST_F(TreeGridInteraction, DroppedNodesMoveThemselvesWithoutAHandlerAndAreHandedToOne)
{
    Click(In(0));
    auto drag = [&](int below)
    {
        Send(WM_LBUTTONDOWN, In(0), MK_LBUTTON);
        Send(WM_MOUSEMOVE, In(0, 0, 18), MK_LBUTTON);
        Send(WM_MOUSEMOVE, In(3, 0, below), MK_LBUTTON);
        Send(WM_LBUTTONUP, In(3, 0, below));
    };
    m_handler.Take();
    drag(18); // the lower quarter of n3: below it
    EXPECT_EQ(m_handler.Take(), (Lines{"down", "click n0", "drag 1", "target? - n3", "up", "dropped n0 - n3",
                                       "drop finished"}));
    EXPECT_EQ(m_nodes[0]->GetNextSibling(), m_nodes[1]); // the host did not move it

    m_grid.SetEventsHandler(nullptr);
    drag(10); // onto n3
    EXPECT_EQ(m_nodes[0]->GetParent(), m_nodes[3]);
    EXPECT_EQ(GetCapture(), nullptr);
}
} // namespace
