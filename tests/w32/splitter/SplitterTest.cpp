// The splitter bar under real messages: what its parent hears while the bar is made, dragged, cancelled and
// painted, its thickness, and handles after many bars.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/LeakRounds.h"
#include "w32/TestWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// The parent: records "code:left,top" for each notification; answers ownerDrawAnswer to code 4.
std::string g_heard;
LRESULT g_ownerDrawAnswer = 0;

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY)
    {
        auto const& record = *reinterpret_cast<CSplitter::TNotification const*>(lParam);
        g_heard += std::to_string(record.header.code) + ":" + std::to_string(record.rect.left) + "," +
                   std::to_string(record.rect.top) + " ";
        return record.header.code == CSplitter::NOTIFY_OWNER_DRAW ? g_ownerDrawAnswer : 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class Splitter : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CSplitter::Register();
        WNDCLASSW parentClass{};
        parentClass.lpfnWndProc = &ParentProcedure;
        parentClass.lpszClassName = L"SplitterTestParent";
        RegisterClassW(&parentClass);
    }
    static void TearDownTestSuite() { CSplitter::Unregister(); }

    void SetUp() override
    {
        m_parent = CreateWindowExW(0, L"SplitterTestParent", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
        g_heard.clear();
        g_ownerDrawAnswer = 0;
    }
    void TearDown() override
    {
        m_bar.Destroy();
        DestroyWindow(m_parent);
    }
    void Mouse(UINT message, int x, int y)
    {
        SendMessageW(m_bar.GetHWnd(), message, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }

    HWND m_parent = nullptr;
    CSplitter m_bar;
};

TEST_F(Splitter, AVerticalBarKeepsItsWeightAndProposesPlacesInsideItsParent)
{
    EXPECT_EQ(m_bar.GetWeight(), 0) << "no window yet";
    HWND const bar = m_bar.Create(m_parent, 9, false, 4, false);
    EXPECT_EQ(ClassOf(bar), L"VerticalSplitter");
    EXPECT_EQ(m_bar.GetWeight(), 4);
    MoveWindow(bar, 100, 0, 50, 200, FALSE);
    RECT rect;
    m_bar.GetRect(rect);
    EXPECT_EQ(rect.right - rect.left, 4) << "the thickness stays the weight";
    EXPECT_EQ(g_heard, "1:0,0 ");

    g_heard.clear();
    Mouse(WM_LBUTTONDOWN, 2, 50);
    EXPECT_TRUE(m_bar.IsOnDrag());
    EXPECT_EQ(GetCapture(), bar);
    Mouse(WM_MOUSEMOVE, -108, 50); // x = -8 in the parent: the bar would start at -10
    Mouse(WM_MOUSEMOVE, 500, 50);
    Mouse(WM_MOUSEMOVE, 22, 50);
    Mouse(WM_LBUTTONUP, 22, 50);
    EXPECT_FALSE(m_bar.IsOnDrag());
    EXPECT_EQ(g_heard, "0:100,0 1:0,0 1:296,0 1:120,0 2:100,0 ");
}

TEST_F(Splitter, ACancelledDragSaysSoOnceAndAnIdleCancelSaysNothing)
{
    HWND const bar = m_bar.Create(m_parent, 9, true, 6, false);
    EXPECT_EQ(ClassOf(bar), L"HorizontalSplitter");
    g_heard.clear();
    m_bar.CancellDrag();
    EXPECT_EQ(g_heard, "");
    Mouse(WM_LBUTTONDOWN, 10, 3);
    m_bar.CancellDrag();
    EXPECT_FALSE(m_bar.IsOnDrag());
    EXPECT_EQ(g_heard, "0:0,0 3:0,0 ") << "no end of drag besides the cancellation";
}

TEST_F(Splitter, AnOwnerDrawnBarAsksItsParentBeforePainting)
{
    HWND const bar = m_bar.Create(m_parent, 9, true, 6, true);
    MoveWindow(bar, 0, 50, 300, 6, FALSE);
    g_ownerDrawAnswer = 1;
    g_heard.clear();
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(g_heard, "4:0,50 ");
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(bar, &update, FALSE)) << "the parent painted: nothing is left to paint";
}

TEST(SplitterHandles, ManyBarsLeaveNothingBehind)
{
    CSplitter::Register();
    CTestParent const parent(300, 200);
    ExpectRoundsLeaveNoHandles(
        [&](int)
        {
            CSplitter bar;
            bar.Create(parent, 1, true, 4, false);
            MoveWindow(bar.GetHWnd(), 0, 40, 300, 4, FALSE);
            UpdateWindow(bar.GetHWnd());
        });
}
} // namespace
