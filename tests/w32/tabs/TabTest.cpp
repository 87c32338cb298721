// The tab strip under real messages: clicks on tabs and buttons, the host's handler, the run of tabs
// that fits, its colours read back, and handles after many strips.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/LeakRounds.h"
#include "w32/PopupMenuWatch.h"
#include "w32/TestWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class CHostTab : public CLumoTabCtrl::ITab
{
public:
    CHostTab(std::wstring text, void* data)
        : m_text(std::move(text)), m_tip(L"tip of " + m_text), m_data(data)
    {
    }
    std::wstring const& GetText() const override { return m_text; }
    std::wstring const& GetToolTip() const override { return m_tip; }
    unsigned GetImage() const override { return 3; }
    void* GetData() const override { return m_data; }
    void SetData(void* data) override { m_data = data; }

private:
    std::wstring m_text, m_tip;
    void* m_data;
};

class CHandler : public CLumoTabCtrl::IEventsHandler
{
public:
    std::vector<std::wstring> calls;
    bool leave = true;
    bool CanLeaveTab(int index) override
    {
        calls.push_back(L"leave? " + std::to_wstring(index));
        return leave;
    }
    void OnTabSelected(int index) override { calls.push_back(L"selected " + std::to_wstring(index)); }
    void OnTabRemoved(void* data) override
    {
        calls.push_back(L"removed " + std::to_wstring(reinterpret_cast<std::uintptr_t>(data)));
    }
};

class TabStrip : public testing::Test
{
protected:
    void SetUp() override
    {
        strip.Create(CWnd(parent), 5, &handler);
        strip.Resize(RECT{0, 0, 400, 20});
        for (int i = 0; i < 3; ++i)
            strip.AppendTab(CHostTab(L"Document " + std::to_wstring(i), reinterpret_cast<void*>(100 + i)));
    }
    void Click(int x, int y)
    {
        HWND const window = strip.GetHandle();
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    // The tab under the strip's x, or what GetTabFromPoint says there.
    int TabAt(int x)
    {
        int index = -99;
        return strip.GetTabFromPoint(x, 10, index) ? index : -99;
    }

    CTestParent parent{500, 100};
    CHandler handler;
    CLumoTabCtrl strip;
};
} // namespace

TEST_F(TabStrip, PointsFindTabsAndTheTwoButtons)
{
    EXPECT_EQ(strip.GetHeight(), 20);
    int index = 0;
    EXPECT_TRUE(strip.GetTabFromPoint(400 - 14 + 6, 20 - 16 + 6, index));
    EXPECT_EQ(index, -10) << "close button";
    EXPECT_TRUE(strip.GetTabFromPoint(400 - 28 + 6, 20 - 16 + 6, index));
    EXPECT_EQ(index, -20) << "tab-list button";
    strip.ShowCloseButton(false);
    EXPECT_TRUE(strip.GetTabFromPoint(400 - 14 + 6, 20 - 16 + 6, index));
    EXPECT_EQ(index, -20) << "the list button takes the close button's place";
    EXPECT_EQ(TabAt(5), 0);
    EXPECT_EQ(TabAt(300), -99) << "right of the tabs";
    EXPECT_EQ(strip.GetTab(1).GetToolTip(), L"tip of Document 1");
    EXPECT_EQ(strip.GetTabIndexFromData(reinterpret_cast<void*>(102)), 2);
    EXPECT_THROW(strip.GetTab(3), std::out_of_range);
}

TEST_F(TabStrip, ClicksSelectAndCloseThroughTheHandler)
{
    int x = 5;
    while (TabAt(x) == 0)
        ++x; // the second tab starts here
    Click(x + 2, 10);
    EXPECT_EQ(strip.GetSelectedTab(), 1);
    handler.leave = false;
    Click(5, 10);
    EXPECT_EQ(strip.GetSelectedTab(), 1) << "the handler keeps the tab";
    handler.leave = true;
    Click(400 - 14 + 6, 10); // close
    EXPECT_EQ(strip.GetTabCount(), 2u);
    EXPECT_EQ(strip.GetSelectedTab(), -1);
    EXPECT_EQ(handler.calls,
              (std::vector<std::wstring>{L"selected 1", L"leave? 1", L"leave? 1", L"removed 101"}));
}

TEST_F(TabStrip, TheTabListMenuListsEveryTabWithTheSelectedOneChecked)
{
    strip.SelectTab(2);
    CPopupMenuWatch const menus;
    Click(400 - 28 + 6, 10);
    ASSERT_EQ(menus.Openings(), 1);
    ASSERT_EQ(menus.Items().size(), 3u);
    for (CPopupMenuWatch::Item const& item : menus.Items())
        EXPECT_EQ((item.state & MF_CHECKED) != 0, item.id == 12) << "identifiers from 10; item " << item.id;
}

TEST_F(TabStrip, SelectingATabOutsideTheRunBringsItIn)
{
    for (int i = 3; i < 30; ++i)
        strip.AppendTab(CHostTab(L"Document " + std::to_wstring(i), nullptr));
    UpdateWindow(strip.GetHandle());
    EXPECT_EQ(TabAt(5), 0);
    strip.SelectTab(25);
    UpdateWindow(strip.GetHandle());
    bool shown = false;
    for (int x = 0; x < 368; ++x)
        shown = shown || TabAt(x) == 25;
    EXPECT_TRUE(shown);
    EXPECT_NE(TabAt(5), 0) << "the run moved";
}

TEST_F(TabStrip, ManyStripsLeaveNoHandlesBehind)
{
    ExpectRoundsLeaveNoHandles(
        [&](int)
        {
            CLumoTabCtrl one;
            one.Create(CWnd(parent), 6, nullptr);
            one.Resize(RECT{0, 30, 300, 50});
            one.AppendTab(CHostTab(L"A", nullptr));
            one.SelectTab(0);
            UpdateWindow(one.GetHandle());
        });
}
