// The tree grid's window under the real platform: its class and children, the scroll bar as rows outgrow
// the page, scrolling to the end, and handles after many windows.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/TestWindows.h"
#include "w32/LeakRounds.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class BarHandler : public CTreeGrid::CEventsHandler
{
public:
    void ScrollBarVisibilityChanged(bool horizontal) override { heard += horizontal ? 'H' : 'V'; }
    std::string heard;
};

// A parent window, and a tree grid of 200 by 101 in it: a page of 80 below the 20-pixel header.
class TreeGridWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        m_grid.SetEventsHandler(&m_handler);
        m_grid.Create(CWnd(m_parent));
        m_grid.Resize(RECT{0, 0, 200, 101});
        m_grid.Show(true);
        m_grid.InsertColumn(0, L"A", 100);
    }
    void TearDown() override { m_grid.Destroy(); }
    CTreeGrid::INode* AddRow()
    {
        CTreeGrid::INode* const node = m_grid.AddNode(nullptr);
        node->SetHeight(20);
        return node;
    }

    CTestParent m_parent{300, 200};
    BarHandler m_handler;
    CTreeGrid m_grid{CTreeGrid::LOOK_HOST}; // no borders: the client area is the window
};

TEST_F(TreeGridWindow, IsAChildOfItsClassWithTwoScrollBarsAndATooltip)
{
    HWND const window = m_grid.GetWindow();
    ASSERT_NE(window, nullptr);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    EXPECT_STREQ(name, L"CTreeGrid::CImpl");
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & 0x46000000, 0x46000000);
    std::vector<HWND> bars;
    m_grid.GetScrollBarWnds(bars);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(GetParent(bars[0]), window);
    EXPECT_EQ(GetWindowLongW(bars[1], GWL_STYLE) & SBS_VERT, SBS_VERT);
    EXPECT_NE(FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr), nullptr);
    EXPECT_EQ(m_grid.GetClientWidth(), 200) << "no bar, no border";
}

TEST_F(TreeGridWindow, TheVerticalBarAppearsOnceRowsOutgrowThePageAndShowsTheirRange)
{
    m_handler.heard.clear();
    for (int i = 0; i < 4; ++i)
        AddRow();
    EXPECT_FALSE(m_grid.IsVerticalScrollBarVisible());
    for (int i = 0; i < 6; ++i)
        AddRow();
    EXPECT_TRUE(m_grid.IsVerticalScrollBarVisible());
    EXPECT_EQ(m_handler.heard, "V");
    std::vector<HWND> bars;
    m_grid.GetScrollBarWnds(bars);
    EXPECT_TRUE(IsWindowVisible(bars[1]));
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(bars[1], SB_CTL, &info));
    EXPECT_EQ(info.nMax, 200);
    EXPECT_EQ(info.nPage, 80u);
    RECT rect{};
    m_grid.GetVerticalScrollRect(rect);
    EXPECT_EQ(rect.left, 184) << "16 wide at the right";
}

TEST_F(TreeGridWindow, ScrollingToTheEndLeavesTheLastRowFlushWithTheBottom)
{
    std::vector<CTreeGrid::INode*> rows;
    for (int i = 0; i < 20; ++i)
        rows.push_back(AddRow());
    m_grid.SetVerticalScrollPosition(1 << 20);
    EXPECT_EQ(m_grid.GetBottomVisibleNode(), rows.back());
    RECT const last = rows.back()->GetRowRect();
    RECT const header = m_grid.GetColumn(0).GetHeaderRect();
    EXPECT_EQ(last.bottom, header.bottom + 80) << "the page ends where the last row does";
    SendMessageW(m_grid.GetWindow(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(m_grid.GetBottomVisibleNode(), rows.back()) << "no line past the end";
}

TEST_F(TreeGridWindow, TheGlyphStripsAreLibraryBitmapsOfSquareImages)
{
    HMODULE const library = GetModuleHandleW(L"LumoCtrls.dll");
    std::pair<int, SIZE> const strips[] = {{440, {22, 11}}, {441, {400, 16}}, {442, {64, 16}}};
    for (auto const& [identifier, size] : strips)
    {
        HBITMAP const bitmap =
            static_cast<HBITMAP>(LoadImageW(library, MAKEINTRESOURCEW(identifier), IMAGE_BITMAP, 0, 0, 0));
        ASSERT_NE(bitmap, nullptr) << identifier;
        BITMAP description{};
        GetObjectW(bitmap, sizeof(description), &description);
        EXPECT_EQ(description.bmWidth, size.cx) << identifier;
        EXPECT_EQ(description.bmHeight, size.cy) << identifier;
        DeleteObject(bitmap);
    }
}

TEST(TreeGridWindows, ManyWindowsLeaveNoHandleBehind)
{
    CTestParent const parent(300, 200, WS_POPUP);
    ExpectRoundsLeaveNoHandles(
        [&parent](int)
        {
            CTreeGrid grid;
            grid.Create(CWnd(parent));
            grid.Resize(RECT{0, 0, 100, 60});
            grid.InsertColumn(0, L"A", 300);
            for (int i = 0; i < 8; ++i)
                grid.AddNode(nullptr);
            UpdateWindow(grid.GetWindow());
        });
}
} // namespace
