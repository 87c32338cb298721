// The menu-window procedure, driven by hand: the hook sees WM_INITMENUPOPUP and the message that
// announces a menu window (0x1E2), then the window gets the messages the platform sends a menu window.
// (Wine does not announce its menu windows, so a real menu cannot show this part.)
#include "LumoCtrls/LumoCtrls.h"
#include "menus/MenuTestWindow.h"
#include "w32/PixelCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr UINT kMenuWindowCreated = 0x1E2;

class MenuWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        CLumoControls::Instance();
        m_popup = CreatePopupMenu();
        AppendMenuW(m_popup, MF_STRING, 11, L"One");
        AppendMenuW(m_popup, MF_STRING, 12, L"Two");
        ASSERT_NE(CLumoControls::RegisterMenu(m_owner.Get(), m_popup, 0), nullptr);
        m_menuWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP | WS_BORDER, 100, 100, 80,
                                       60, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_menuWindow, nullptr);
        m_ownProcedure = GetWindowLongPtrW(m_menuWindow, GWLP_WNDPROC);
    }
    void TearDown() override
    {
        if (IsWindow(m_menuWindow))
            DestroyWindow(m_menuWindow);
        DestroyWindow(m_owner.Get());
        DestroyMenu(m_popup);
    }

    // What the platform sends as the pop-up opens: the owner is told, then the menu window announced.
    void Announce()
    {
        SendMessageW(m_owner.Get(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_popup), 0);
        SendMessageW(m_menuWindow, kMenuWindowCreated, 0, 0);
    }

    CMenuTestWindow m_owner;
    HMENU m_popup = nullptr;
    HWND m_menuWindow = nullptr;
    LONG_PTR m_ownProcedure = 0;
};

TEST_F(MenuWindow, AnAnnouncedMenuWindowOfAWaitingPopupIsSubclassed)
{
    // The system menu's pop-up does not count.
    SendMessageW(m_owner.Get(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_popup), MAKELPARAM(0, 1));
    SendMessageW(m_menuWindow, kMenuWindowCreated, 0, 0);
    EXPECT_EQ(GetWindowLongPtrW(m_menuWindow, GWLP_WNDPROC), m_ownProcedure);
    Announce();
    EXPECT_EQ(GetPropW(m_menuWindow, L"PopupMenu"), m_popup);
    EXPECT_NE(GetPropW(m_menuWindow, L"DropW"), nullptr) << "the first-level menu window";
    EXPECT_NE(GetWindowLongPtrW(m_menuWindow, GWLP_WNDPROC), m_ownProcedure);
    EXPECT_EQ(GetWindowLongPtrW(m_menuWindow, GWLP_USERDATA), m_ownProcedure) << "the previous procedure";

    // A second announcement changes nothing: no pop-up is waiting any more, and the window is taken.
    LONG_PTR const subclassed = GetWindowLongPtrW(m_menuWindow, GWLP_WNDPROC);
    SendMessageW(m_menuWindow, kMenuWindowCreated, 0, 0);
    EXPECT_EQ(GetWindowLongPtrW(m_menuWindow, GWLP_WNDPROC), subclassed);
}

TEST_F(MenuWindow, TheFrameIsThinnerAndTheWindowSmallerAndHigher)
{
    Announce();
    RECT client{10, 20, 110, 220};
    SendMessageW(m_menuWindow, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    RECT unsubclassed{10, 20, 110, 220};
    CallWindowProcW(reinterpret_cast<WNDPROC>(m_ownProcedure), m_menuWindow, WM_NCCALCSIZE, FALSE,
                    reinterpret_cast<LPARAM>(&unsubclassed));
    EXPECT_EQ(client.left, unsubclassed.left - 2);
    EXPECT_EQ(client.bottom, unsubclassed.bottom + 2);

    WINDOWPOS position{m_menuWindow, nullptr, 100, 100, 80, 60, SWP_NOZORDER | SWP_NOACTIVATE};
    SendMessageW(m_menuWindow, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
    EXPECT_EQ(position.cx, 76);
    EXPECT_EQ(position.cy, 56);
    EXPECT_EQ(position.y, 99) << "the first-level menu moves up onto the menu bar";
    EXPECT_EQ(position.x, 100);

    position.flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;
    SendMessageW(m_menuWindow, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
    EXPECT_EQ(position.cx, 76);
    EXPECT_EQ(position.y, 99);
}

TEST_F(MenuWindow, TheFrameIsOneBlackPixelWithTheDropGap)
{
    // An open menu-bar item of known width sets the gap: draw one through the owner of a menu bar.
    HMENU const bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 21, L"&File");
    CLumoControls::RegisterMenu(m_owner.Get(), bar, 1);
    PixelCanvas canvas(60, 20);
    // The open item's highlight is 30 - 4 - 2 = 24 wide.
    SendDrawItem(m_owner.Get(), bar, 21, ODS_SELECTED, canvas.GetDC(), RECT{0, 0, 30, 20});

    Announce();
    ShowWindow(m_menuWindow, SW_SHOWNOACTIVATE);
    SendMessageW(m_menuWindow, WM_NCPAINT, 1, 0);
    HDC const dc = GetWindowDC(m_menuWindow);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(255, 255, 255)) << "the gap under the open item";
    EXPECT_EQ(GetPixel(dc, 24, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 25, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 30), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 79, 59), RGB(0, 0, 0));
    ReleaseDC(m_menuWindow, dc);
    DestroyMenu(bar);
}

TEST_F(MenuWindow, PrintingPaintsTheItemsThroughTheirOwner)
{
    Announce();
    PixelCanvas canvas(80, 60);
    HDC const memory = canvas.GetDC();
    CSentMessageRecorder sent(m_owner.Get());
    SendMessageW(m_menuWindow, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_NONCLIENT | PRF_CLIENT);
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(0, 0, 0)) << "the frame";
    EXPECT_EQ(sent.Count(WM_DRAWITEM), 2) << "each item, through its owner";
    SendMessageW(m_menuWindow, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CHECKVISIBLE | PRF_CLIENT);
    EXPECT_EQ(sent.Count(WM_DRAWITEM), 2) << "a print of what is visible is left to the default procedure";
}

TEST_F(MenuWindow, HidingOrDestroyingGivesTheWindowBack)
{
    Announce();
    ShowWindow(m_menuWindow, SW_SHOWNOACTIVATE);
    ShowWindow(m_menuWindow, SW_HIDE);
    EXPECT_EQ(GetWindowLongPtrW(m_menuWindow, GWLP_WNDPROC), m_ownProcedure);
    EXPECT_EQ(GetPropW(m_menuWindow, L"PopupMenu"), nullptr);
    EXPECT_EQ(GetPropW(m_menuWindow, L"DropW"), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(m_menuWindow, GWLP_USERDATA), 0);

    Announce(); // a new pop-up waits: the window is taken again, as the first one open
    EXPECT_NE(GetPropW(m_menuWindow, L"DropW"), nullptr);
    DestroyWindow(m_menuWindow);
    EXPECT_FALSE(IsWindow(m_menuWindow));
}

TEST_F(MenuWindow, AHostSubclassOfAMenuWindowKeepsItsChainWhenOursEnds)
{
    Announce();
    CHostSubclass const host(m_menuWindow);
    ShowWindow(m_menuWindow, SW_SHOWNOACTIVATE);
    ShowWindow(m_menuWindow, SW_HIDE); // ours ends while the host's is outermost
    EXPECT_EQ(GetPropW(m_menuWindow, L"PopupMenu"), nullptr);
    wchar_t text[8] = {};
    int const calls = host.Calls();
    SetWindowTextW(m_menuWindow, L"kept");
    EXPECT_GT(host.Calls(), calls);
    EXPECT_EQ(GetWindowTextW(m_menuWindow, text, 8), 4) << "the class procedure still answers";
}
} // namespace
