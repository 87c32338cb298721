// The library's toolbar under real messages: made from the host's buttons, bitmap and strings, its
// notifications routed through the parent, its buttons' looks read back as pixels, and handles after
// many toolbars.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/LeakRounds.h"
#include "w32/PixelCanvas.h"
#include "w32/TestWindows.h"

#include <gtest/gtest.h>

namespace
{
constexpr int kOpen = 301, kLong = 302, kDrop = 303;

class CParent : public CToolbarParent
{
public:
    CParent()
        : m_window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 80, nullptr, nullptr,
                                   nullptr, nullptr))
    {
    }
    ~CParent() override { DestroyWindow(m_window); }
    CWnd const& GetHandle() const override { return m_window; }

private:
    CWnd m_window;
};

std::vector<TBBUTTON> Buttons()
{
    std::vector<TBBUTTON> buttons(4);
    buttons[0] = {0, kOpen, TBSTATE_ENABLED, BTNS_BUTTON, {}, 401, 0};
    buttons[1] = {0, 0, 0, BTNS_SEP, {}, 0, 77};
    buttons[2] = {1, kLong, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    buttons[3] = {2, kDrop, TBSTATE_ENABLED, BTNS_DROPDOWN, {}, 0, 0};
    return buttons;
}

class Toolbar : public testing::Test
{
protected:
    static void SetUpTestSuite() { RefreshColors(); }

    HWND Make(bool background)
    {
        buttons = Buttons();
        HWND const window = toolbar.Create(buttons, 300, background, false);
        MoveWindow(window, 0, 0, 400, 40, TRUE);
        UpdateWindow(window);
        return window;
    }
    // The button's rectangle as the library paints it (the item shrunk by 2).
    RECT Inner(int command)
    {
        RECT rect{};
        SendMessageW(toolbar.GetHandle(), TB_GETRECT, static_cast<WPARAM>(command),
                     reinterpret_cast<LPARAM>(&rect));
        InflateRect(&rect, -2, -2);
        return rect;
    }
    COLORREF PixelAt(int x, int y)
    {
        HWND const window = toolbar.GetHandle();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PixelCanvas canvas(1, 1);
        HDC const dc = GetDC(window);
        BitBlt(canvas.GetDC(), 0, 0, 1, 1, dc, x, y, SRCCOPY);
        ReleaseDC(window, dc);
        return canvas.At(0, 0);
    }
    // DrawGradient2's colour at row y of a rectangle.
    static COLORREF GradientAt(RECT const& rect, int y, int hue, int lightness1, int lightness2)
    {
        PixelCanvas canvas(rect.right - rect.left, rect.bottom - rect.top);
        CDC dc(canvas.GetDC());
        DrawGradient2(dc, RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top}, hue, 240, lightness1,
                      lightness2, 0, 1);
        return canvas.At(1, y - rect.top);
    }

    CParent parent;
    CLumoToolbarCtrl toolbar{parent};
    std::vector<TBBUTTON> buttons;
};

UINT_PTR g_droppedPixel = 0;
HWND g_toolbar = nullptr;
POINT g_probe{};

LRESULT CALLBACK ProbeWhileOpen(int code, WPARAM wParam, LPARAM lParam)
{
    auto const& message = *reinterpret_cast<CWPSTRUCT const*>(lParam);
    if (code == HC_ACTION && message.message == WM_INITMENUPOPUP)
    {
        RedrawWindow(g_toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC const dc = GetDC(g_toolbar);
        PixelCanvas canvas(1, 1);
        BitBlt(canvas.GetDC(), 0, 0, 1, 1, dc, g_probe.x, g_probe.y, SRCCOPY);
        ReleaseDC(g_toolbar, dc);
        g_droppedPixel = canvas.At(0, 0);
        PostMessageW(message.hwnd, WM_CANCELMODE, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

TEST_F(Toolbar, TextsComeWholeFromTheHostAndSeparatorsKeepTheirs)
{
    HWND const window = Make(false);
    EXPECT_EQ(ClassOf(window), L"ToolbarWindow32");
    EXPECT_EQ(toolbar.GetName(), L"CLumoToolbarCtrl");
    EXPECT_EQ(buttons[1].iString, 77) << "a separator gets no text";
    EXPECT_NE(buttons[0].iString, buttons[2].iString);
    wchar_t text[64] = {};
    SendMessageW(window, TB_GETBUTTONTEXTW, kLong, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"A long button text") << "longer than the first buffer of 10";
    toolbar.PressButton(kOpen);
    EXPECT_TRUE(toolbar.IsButtonPressed(kOpen));
    toolbar.ReleaseButton(kOpen);
    EXPECT_FALSE(toolbar.IsButtonPressed(kOpen));
}

TEST_F(Toolbar, TheParentRoutesTooltipRequestsToTheToolbar)
{
    Make(false);
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = toolbar.GetTooltipsHandle();
    info.hdr.idFrom = kOpen;
    info.hdr.code = TTN_GETDISPINFOW;
    EXPECT_EQ(SendMessageW(parent.GetHandle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info)), 1);
    EXPECT_STREQ(info.lpszText, L"Open a file");
    EXPECT_NE(info.uFlags & TTF_DI_SETITEM, 0u);
    info.hdr.idFrom = kLong; // no tooltip string
    EXPECT_EQ(SendMessageW(parent.GetHandle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info)), 0);
}

TEST_F(Toolbar, ButtonsDrawTheirStatesGradients)
{
    Make(true);
    RECT const open = Inner(kOpen);
    int const y = open.top + 1;
    EXPECT_EQ(PixelAt(390, y), GradientAt(RECT{0, 0, 400, 40}, y, 143, 227, 202))
        << "the toolbar's background";
    toolbar.PressButton(kOpen);
    EXPECT_EQ(PixelAt(open.left + 1, y), GradientAt(open, y, 22, 200, 150)) << "pressed";
    toolbar.ReleaseButton(kOpen);
    EXPECT_EQ(PixelAt(open.left + 1, y), GradientAt(RECT{0, 0, 400, 40}, y, 143, 227, 202))
        << "no state: no background";

    // The middle of the picture, which a list-style toolbar puts at the button's left.
    POINT const picture{open.left + 3 + 10, open.top + (open.bottom - open.top - 20) / 2 + 10};
    COLORREF const enabled = PixelAt(picture.x, picture.y);
    EXPECT_EQ(enabled, RGB(220, 30, 30)) << "the red square";
    toolbar.EnableButton(kOpen, false);
    COLORREF const greyed = PixelAt(picture.x, picture.y);
    EXPECT_NE(enabled, greyed);
    EXPECT_TRUE(GetRValue(greyed) == GetGValue(greyed) && GetGValue(greyed) == GetBValue(greyed))
        << "the greyed copy of the picture";
}

TEST_F(Toolbar, ADropDownButtonLooksDroppedWhileItsMenuIsOpen)
{
    Make(true);
    RECT const drop = Inner(kDrop);
    g_toolbar = toolbar.GetHandle();
    g_probe = POINT{drop.left + 1, drop.top + 1};
    COLORREF const normal = GradientAt(RECT{0, 0, 400, 40}, g_probe.y, 143, 227, 202);
    HMENU const menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 1, L"Item");
    HHOOK const hook = SetWindowsHookExW(WH_CALLWNDPROC, &ProbeWhileOpen, nullptr, GetCurrentThreadId());
    DropDownToolbarMenu(menu, TPM_RETURNCMD, 10, 10, toolbar.GetHandle(), kDrop);
    UnhookWindowsHookEx(hook);
    DestroyMenu(menu);
    EXPECT_EQ(g_droppedPixel, GradientAt(drop, g_probe.y, 30, 200, 168)) << "dropped while open";
    SendMessageW(toolbar.GetHandle(), TB_SETHOTITEM, static_cast<WPARAM>(-1), 0); // wherever the mouse is
    EXPECT_EQ(PixelAt(g_probe.x, g_probe.y), normal) << "normal again afterwards";
    EXPECT_EQ(GetWindowLongPtrW(toolbar.GetHandle(), GWLP_USERDATA), 0) << "the marker is taken back";
}

TEST(ToolbarRouting, AToolbarDestroyedBeforeItsParentIsNoLongerAsked)
{
    CParent parent;
    HWND window = nullptr;
    {
        CLumoToolbarCtrl gone(parent);
        std::vector<TBBUTTON> buttons = Buttons();
        window = gone.Create(buttons, 300, false, false);
    }
    NMHDR header{window, 0, static_cast<UINT>(NM_CUSTOMDRAW)};
    EXPECT_EQ(SendMessageW(parent.GetHandle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 0);
}

TEST(ToolbarHandles, ManyToolbarsLeaveNoHandlesBehind)
{
    ExpectRoundsLeaveNoHandles(
        [](int)
        {
            CParent parent;
            CLumoToolbarCtrl toolbar(parent);
            std::vector<TBBUTTON> buttons = Buttons();
            UpdateWindow(toolbar.Create(buttons, 300, true, true));
        });
}
