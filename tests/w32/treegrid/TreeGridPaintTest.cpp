// The tree grid's frame read back pixel by pixel (WM_PRINTCLIENT into a 32-bit canvas): bands, borders,
// locked columns under a scroll, edited and icon-less cells, tree lines, the size box and the handler's
// hooks.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/TestWindows.h"
#include "w32/LeakRounds.h"
#include "w32/PixelCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
COLORREF const kWhite = RGB(255, 255, 255);
COLORREF const kBlack = RGB(0, 0, 0);

// A grid of the host look (nothing drawn but what a test sets) of 200 by 120 in a parent, with rows of 20
// below a header of 20.
class TreeGridPaint : public testing::Test
{
protected:
    void SetUp() override
    {
        m_grid.Create(CWnd(m_parent));
        m_grid.Resize(RECT{0, 0, 200, 120});
    }
    void TearDown() override { m_grid.Destroy(); }
    CTreeGrid::INode* Row(CTreeGrid::INode* parent = nullptr)
    {
        CTreeGrid::INode* const node = m_grid.AddNode(parent);
        node->SetHeight(20);
        return node;
    }
    CTreeGrid::ICell* Cell(CTreeGrid::INode* node, unsigned column)
    {
        return node->GetCell(m_grid.GetColumn(column));
    }
    // Paints the whole client area into the canvas, as WM_PRINTCLIENT asks.
    void Print()
    {
        m_canvas.Fill(RGB(1, 2, 3));
        SendMessageW(m_grid.GetWindow(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_canvas.GetDC()),
                     PRF_CLIENT);
    }
    int CountOf(COLORREF color, RECT const& area) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += m_canvas.At(x, y) == color ? 1 : 0;
        return count;
    }

    CTestParent m_parent{400, 300, WS_POPUP};
    CTreeGrid m_grid{CTreeGrid::LOOK_HOST};
    PixelCanvas m_canvas{200, 120};
};

TEST_F(TreeGridPaint, BandsRunDownTheCellAndBordersFollowTheirRadius)
{
    m_grid.InsertColumn(0, L"", 100);
    m_grid.InsertColumn(1, L"", 100);
    CTreeGrid::INode* const row = Row();
    CTreeGrid::IObjStyle* const bands = Cell(row, 0)->GetStyle();
    bands->AddBackgroundColor(CTreeGrid::STATE_NORMAL, RGB(255, 0, 0), RGB(0, 0, 255), 100);
    bands->SetSelectionMode(8);
    CTreeGrid::IObjStyle* const framed = Cell(row, 1)->GetStyle();
    framed->SetBorder(CTreeGrid::STATE_NORMAL, L"black-border", 0xF);
    framed->SetBorderRadius(4);
    Print();
    // The cell spans {0, 20, 100, 39} (its last row stays for grid lines); the bands leave two pixels.
    EXPECT_GT(GetRValue(m_canvas.At(50, 22)), GetBValue(m_canvas.At(50, 22)));
    EXPECT_GT(GetBValue(m_canvas.At(50, 37)), GetRValue(m_canvas.At(50, 37)));
    EXPECT_EQ(m_canvas.At(50, 22), m_canvas.At(80, 22)) << "flat across";
    EXPECT_EQ(m_canvas.At(1, 30), kWhite);
    // The frame's sides at {100, 20, 200, 38}, its corners rounded.
    EXPECT_EQ(m_canvas.At(100, 30), kBlack);
    EXPECT_EQ(m_canvas.At(150, 20), kBlack);
    EXPECT_EQ(m_canvas.At(199, 30), kBlack);
    EXPECT_EQ(m_canvas.At(150, 37), kBlack);
    EXPECT_EQ(m_canvas.At(150, 30), kWhite);
    EXPECT_NE(m_canvas.At(100, 20), kBlack) << "the corner is an arc";
    EXPECT_EQ(m_canvas.At(101, 21), kBlack);
}

TEST_F(TreeGridPaint, ScrolledColumnsNeverPaintOverTheLockedOnes)
{
    m_grid.InsertColumn(0, L"", 60);
    m_grid.InsertColumn(1, L"", 300);
    m_grid.InsertColumn(2, L"", 300);
    m_grid.LockColumnsUntil(&m_grid.GetColumn(0));
    CTreeGrid::INode* const row = Row();
    for (auto [column, colour] : {std::pair{0u, RGB(0, 160, 0)}, std::pair{1u, RGB(200, 0, 0)}})
    {
        CTreeGrid::IObjStyle* const style = Cell(row, column)->GetStyle();
        style->AddBackgroundColor(CTreeGrid::STATE_NORMAL, colour, colour, 100);
        style->SetSelectionMode(8);
    }
    m_grid.SetHorizontalScrollPosition(200);
    ASSERT_EQ(m_grid.GetScrollPosition().x, 200);
    Print();
    EXPECT_EQ(m_canvas.At(30, 30), RGB(0, 160, 0)) << "the locked column stays in place";
    EXPECT_EQ(m_canvas.At(61, 30), kWhite) << "the locked columns' edge";
    EXPECT_EQ(m_canvas.At(100, 30), RGB(200, 0, 0)) << "the scrolled column, 200 pixels to the left";
    EXPECT_EQ(m_canvas.At(170, 30), kWhite) << "the third column has no background";
}

TEST_F(TreeGridPaint, AnEditedCellShowsNoTextAndAnIconIndexOfMinusOneShowsNoIcon)
{
    HBITMAP const strip = CreateBitmap(16, 16, 1, 32, std::vector<DWORD>(256, 0x00C80000).data());
    m_grid.SetImageList(CBitmap(strip), 16, 1, RGB(255, 0, 255));
    m_grid.InsertColumn(0, L"", 200);
    CTreeGrid::ICell* const texts[] = {Cell(Row(), 0), Cell(Row(), 0)};
    for (CTreeGrid::ICell* cell : texts)
        cell->SetText(L"WWWW");
    texts[1]->GetStyle()->SetControlKind(CTreeGrid::CONTROL_TEXT);
    texts[1]->GetStyle()->SetActivation(CTreeGrid::ACTIVATION_DEFAULT);
    CTreeGrid::ICell* const icons[] = {Cell(Row(), 0), Cell(Row(), 0)};
    icons[0]->SetImageIndex(0);
    icons[1]->SetImageIndex(-1);
    ASSERT_NE(m_grid.EditControl(*texts[1]), nullptr);
    Print();
    EXPECT_GT(CountOf(kBlack, RECT{0, 20, 200, 39}), 20);
    EXPECT_EQ(CountOf(kBlack, RECT{0, 40, 200, 59}), 0) << "no text while edited";
    EXPECT_GT(CountOf(RGB(200, 0, 0), RECT{0, 60, 200, 79}), 100);
    EXPECT_EQ(CountOf(RGB(200, 0, 0), RECT{0, 80, 200, 99}), 0);
}

TEST_F(TreeGridPaint, TreeLinesAreDottedGreyAndBothBarsLeaveAButtonFaceCorner)
{
    m_grid.InsertColumn(0, L"", 100);
    m_grid.SetTreeColumn(&m_grid.GetColumn(0));
    m_grid.SetStyle(CTreeGrid::STYLE_TREE_LINES, true);
    m_grid.SetStyle(CTreeGrid::STYLE_EXPAND_BUTTONS, true);
    CTreeGrid::INode* const parent = Row();
    Row(parent);
    Row(parent);
    parent->SetExpanded(true);
    Print();
    COLORREF const grey = RGB(0xB4, 0xB4, 0xB4);
    // The first child (level 1, a sibling below it): an upright at 20 + 11 / 2 from the row's top.
    EXPECT_EQ(m_canvas.At(25, 40), grey);
    EXPECT_NE(m_canvas.At(25, 41), grey) << "dotted";
    EXPECT_EQ(m_canvas.At(27, 49), grey) << "its horizontal arm at the middle less one";
    EXPECT_EQ(m_canvas.At(13, 29), grey) << "a single top-level node has its arm (right of its button) only";
    EXPECT_NE(m_canvas.At(5, 35), grey);
    EXPECT_EQ(m_canvas.At(25, 30), grey) << "from the expanded parent down to its children";

    for (int i = 0; i < 8; ++i)
        Row();
    m_grid.GetColumn(0).SetWidth(400);
    ASSERT_TRUE(m_grid.IsVerticalScrollBarVisible() && m_grid.IsHorizontalScrollBarVisible());
    Print();
    EXPECT_EQ(m_canvas.At(192, 112), GetSysColor(COLOR_BTNFACE));
}

// Records the painting hooks; takes over the drawing of the cell in the second row.
class HookHandler : public CTreeGrid::CEventsHandler
{
public:
    void PaintBegin(HDC) override { heard += "begin "; }
    void PaintEnd(HDC) override { heard += "end"; }
    void RowPaint(HDC, CTreeGrid::INode*, RECT const& row) override
    {
        heard += "row" + std::to_string(row.top) + " ";
    }
    bool CellCustomDraw(HDC dc, CTreeGrid::ICell* cell, RECT const& outer, RECT const&, bool&, bool&, bool&,
                        bool&, bool&) override
    {
        heard += "custom ";
        if (cell->GetNode()->GetPrevSibling() == nullptr)
            return false;
        PatBlt(dc, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top, BLACKNESS);
        return true;
    }
    void CellPostPaint(HDC, CTreeGrid::ICell*, RECT const&) override { heard += "post "; }
    void ColumnHeaderPostPaint(HDC, CTreeGrid::IColumn*, RECT const&, RECT const&, RECT const&,
                               RECT const&) override
    {
        heard += "header ";
    }
    std::string heard;
};

TEST_F(TreeGridPaint, TheHooksComeInTheFramesOrderAndACustomDrawTakesOver)
{
    HookHandler hooks;
    m_grid.InsertColumn(0, L"A", 200);
    Cell(Row(), 0)->SetText(L"first");
    Cell(Row(), 0)->SetText(L"second");
    m_grid.SetEventsHandler(&hooks);
    Print();
    m_grid.SetEventsHandler(nullptr);
    EXPECT_EQ(hooks.heard, "begin row20 row40 custom post custom post header end");
    EXPECT_EQ(CountOf(kBlack, RECT{0, 40, 200, 60}), 200 * 19)
        << "the host drew the second cell itself (its last pixel row stays for grid lines)";
}

TEST_F(TreeGridPaint, RepaintsAndScrollsLeaveNoObjectBehind)
{
    m_grid.InsertColumn(0, L"", 300);
    for (int i = 0; i < 30; ++i)
        Cell(Row(), 0)->SetText(L"row");
    m_grid.Show(true);
    auto round = [&](int i)
    {
        RedrawWindow(m_grid.GetWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        SendMessageW(m_grid.GetWindow(), WM_VSCROLL, i % 2 == 0 ? SB_PAGEDOWN : SB_PAGEUP, 0);
        Print();
    };
    ExpectRoundsLeaveNoHandles(round, 100, 2); // both ways of scrolling before counting
}
} // namespace
