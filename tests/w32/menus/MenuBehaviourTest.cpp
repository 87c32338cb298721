// Menus as the platform runs them (TrackPopupMenu and its menu windows) and as they change: registering
// twice, items added, menus destroyed, backgrounds given back, settings changed, handles released.
#include "LumoCtrls/LumoCtrls.h"
#include "menus/MenuTestWindow.h"
#include "w32/LeakRounds.h"
#include "w32/LibraryCopy.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
bool IsOwnerDrawn(HMENU menu, int position)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) != 0;
}

HBRUSH MenuBackground(HMENU menu)
{
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND;
    GetMenuInfo(menu, &info);
    return info.hbrBack;
}

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH description{};
    GetObjectW(brush, sizeof(description), &description);
    return description.lbColor;
}

HMENU SmallPopup()
{
    HMENU const popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 11, L"One");
    AppendMenuW(popup, MF_STRING, 12, L"Two");
    return popup;
}

class MenuBehaviour : public testing::Test
{
protected:
    void SetUp() override { CLumoControls::Instance(); }
    CMenuTestWindow m_window;
};

TEST_F(MenuBehaviour, TrackingAPopupAsksTheOwnerToMeasureAndDrawEvenWithoutNotifications)
{
    HMENU const popup = SmallPopup();
    CSentMessageRecorder sent(m_window.Get());
    BOOL const chosen =
        CLumoControls::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY, 50, 50, m_window.Get());
    EXPECT_EQ(chosen, 0) << "the menu was ended without a choice";
    EXPECT_EQ(sent.Count(WM_MEASUREITEM), 2);
    EXPECT_GE(sent.Count(WM_DRAWITEM), 2);
    EXPECT_EQ(m_window.CountReceived(WM_INITMENUPOPUP), 1) << "notifications were not suppressed";
    EXPECT_EQ(m_window.CountReceived(WM_MEASUREITEM), 0) << "the library answered the measuring itself";
    EXPECT_FALSE(IsOwnerDrawn(popup, 0)) << "the registration ends with the tracking";
    DestroyMenu(popup);
}

TEST_F(MenuBehaviour, RegisteringTwiceKeepsOneSubclassAndOneMenuObjectUntilTheOwnerIsDestroyed)
{
    HMENU const popup = SmallPopup();
    void* const first = CLumoControls::RegisterMenu(m_window.Get(), popup, 0);
    LONG_PTR const procedure = GetWindowLongPtrW(m_window.Get(), GWLP_WNDPROC);
    void* const second = CLumoControls::RegisterMenu(m_window.Get(), popup, 0);
    EXPECT_EQ(first, second);
    EXPECT_EQ(GetWindowLongPtrW(m_window.Get(), GWLP_WNDPROC), procedure) << "not subclassed twice";
    EXPECT_EQ(BrushColour(MenuBackground(popup)), DarkenColor(10, GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(CLumoControls::RegisterMenu(nullptr, popup, 0), nullptr);
    EXPECT_EQ(CLumoControls::RegisterMenu(m_window.Get(), reinterpret_cast<HMENU>(0x7A30), 0), nullptr);
    DestroyWindow(m_window.Get());
    EXPECT_FALSE(IsOwnerDrawn(popup, 0));
    DestroyMenu(popup);
}

TEST_F(MenuBehaviour, ARegistrationAfterItemsWereAddedTakesTheNewItems)
{
    HMENU const popup = SmallPopup();
    CLumoControls::RegisterMenu(m_window.Get(), popup, 0);
    AppendMenuW(popup, MF_STRING, 13, L"A much longer third item");
    EXPECT_FALSE(IsOwnerDrawn(popup, 2));
    CLumoControls::RegisterMenu(m_window.Get(), popup, 0);
    EXPECT_TRUE(IsOwnerDrawn(popup, 2));

    UINT const longWidth = SendMeasureItem(m_window.Get(), 13).item.itemWidth;
    EXPECT_GT(longWidth, 60u);
    EXPECT_EQ(SendMeasureItem(m_window.Get(), 11).item.itemWidth, longWidth)
        << "every item is as wide as the widest text";
    DestroyWindow(m_window.Get());
    DestroyMenu(popup);
}

TEST_F(MenuBehaviour, AMenuThatNoLongerExistsIsDroppedAndDrawsNothing)
{
    HMENU const popup = SmallPopup();
    CLumoControls::RegisterMenu(m_window.Get(), popup, 0);
    DestroyMenu(popup);
    CCompDC memory(nullptr);
    m_window.ClearReceived();
    EXPECT_EQ(SendDrawItem(m_window.Get(), popup, 11, 0, memory, RECT{0, 0, 10, 10}), 0);
    EXPECT_EQ(m_window.CountReceived(WM_DRAWITEM), 1) << "passed on to the owner's own procedure";
}

TEST_F(MenuBehaviour, TheEndOfUseGivesBackItemsBackgroundsAndWindowProcedure)
{
    HMENU const popup = SmallPopup();
    HMENU const bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 21, L"&File");
    HBRUSH const own = CreateSolidBrush(RGB(1, 99, 7));
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = own;
    SetMenuInfo(popup, &info);
    LONG_PTR const ownProcedure = GetWindowLongPtrW(m_window.Get(), GWLP_WNDPROC);
    {
        CLumoMenu menuBar(m_window.Get(), bar, 1);
        CLumoControls::RegisterMenu(m_window.Get(), popup, 0);
        EXPECT_EQ(BrushColour(MenuBackground(bar)), GetThemeColor());
        EXPECT_EQ(BrushColour(MenuBackground(popup)), DarkenColor(10, GetSysColor(COLOR_WINDOW)));
        EXPECT_NE(GetWindowLongPtrW(m_window.Get(), GWLP_WNDPROC), ownProcedure);
        EXPECT_NE(GetPropW(m_window.Get(), L"LumoMenu"), nullptr);
    }
    EXPECT_EQ(GetWindowLongPtrW(m_window.Get(), GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(GetPropW(m_window.Get(), L"LumoMenu"), nullptr);
    EXPECT_FALSE(IsOwnerDrawn(bar, 0));
    EXPECT_FALSE(IsOwnerDrawn(popup, 1));
    EXPECT_EQ(MenuBackground(bar), GetSysColorBrush(COLOR_BTNFACE))
        << "a menu without a background of its own";
    EXPECT_EQ(MenuBackground(popup), own) << "the host's own background comes back";
    DestroyMenu(popup);
    DestroyMenu(bar);
    DeleteObject(own);
}

TEST_F(MenuBehaviour, ASettingsChangeRefreshesTheMenuBarBackgroundOfWhateverMenuIsThereAfterwards)
{
    HMENU const bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 21, L"&File");
    SetMenu(m_window.Get(), bar);
    auto menuBar = std::make_unique<CLumoMenu>(m_window.Get(), bar, 1);
    HBRUSH const before = MenuBackground(bar);
    SendMessageW(m_window.Get(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(m_window.CountReceived(WM_SETTINGCHANGE), 1) << "forwarded";
    EXPECT_EQ(BrushColour(MenuBackground(bar)), GetThemeColor());
    EXPECT_EQ(GetObjectType(before), 0u) << "the previous brush was deleted, not leaked";

    // A host that renews its menu object while it handles the change: the library's part that runs
    // afterwards works on the new registration, not on the one that has just gone.
    m_window.OnMessage(WM_SETTINGCHANGE,
                       [&]
                       {
                           menuBar.reset();
                           menuBar = std::make_unique<CLumoMenu>(m_window.Get(), bar, 1);
                       });
    SendMessageW(m_window.Get(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_TRUE(IsOwnerDrawn(bar, 0));
    EXPECT_EQ(BrushColour(MenuBackground(bar)), GetThemeColor());
    m_window.OnMessage(0, nullptr);
    menuBar.reset();
    SetMenu(m_window.Get(), nullptr);
    DestroyMenu(bar);
}

TEST_F(MenuBehaviour, AHostSubclassInstalledAfterOursKeepsReceivingEverythingWhenOursEnds)
{
    HMENU const popup = SmallPopup();
    auto menu = std::make_unique<CLumoMenu>(m_window.Get(), popup, 0);
    CHostSubclass const host(m_window.Get());
    menu.reset(); // ours is no longer outermost and cannot leave the chain
    EXPECT_EQ(GetPropW(m_window.Get(), L"LumoMenu"), nullptr);
    EXPECT_FALSE(IsOwnerDrawn(popup, 0));
    m_window.ClearReceived();
    SendMessageW(m_window.Get(), WM_USER + 7, 0, 0);
    EXPECT_EQ(host.Calls(), 1);
    EXPECT_EQ(m_window.CountReceived(WM_USER + 7), 1) << "the window's own procedure is still reached";
    {
        CLumoMenu again(m_window.Get(), popup, 0); // and the library can take the window again on top
        EXPECT_TRUE(IsOwnerDrawn(popup, 0));
    }
    SendMessageW(m_window.Get(), WM_USER + 7, 0, 0);
    EXPECT_EQ(m_window.CountReceived(WM_USER + 7), 2);
    DestroyWindow(m_window.Get());
    DestroyMenu(popup);
}

TEST(MenuUnload, AChainThatOutlivesTheLibraryNoLongerLeadsIntoIt)
{
    CLibraryCopy copy(L"LumoCtrlsMenuCopy.dll");
    HMODULE const module = LoadLibraryW(copy.Path().c_str());
    ASSERT_NE(module, nullptr);
    auto const instance = CLibraryCopy::Export<CLumoControls* (*)()>(module, "_ZN13CLumoControls8InstanceEv");
    auto const registerMenu = CLibraryCopy::Export<void* (*)(HWND, HMENU, int)>(
        module, "_ZN13CLumoControls12RegisterMenuEP6HWND__P7HMENU__i");
    ASSERT_TRUE(instance != nullptr && registerMenu != nullptr);
    instance();
    CMenuTestWindow window;
    HMENU const popup = SmallPopup();
    ASSERT_NE(registerMenu(window.Get(), popup, 0), nullptr);
    CHostSubclass const host(window.Get());
    ASSERT_TRUE(FreeLibrary(module)); // its teardown gives every menu back
    EXPECT_FALSE(IsOwnerDrawn(popup, 0));
    // A procedure left in the chain inside the unloaded library would end the process here.
    SendMessageW(window.Get(), WM_USER + 7, 0, 0);
    EXPECT_EQ(host.Calls(), 1);
    EXPECT_EQ(window.CountReceived(WM_USER + 7), 1);
    DestroyMenu(popup);
}

TEST_F(MenuBehaviour, RepeatedRoundsLeaveNoHandleBehind)
{
    auto round = [&]
    {
        HMENU const popup = SmallPopup();
        HMENU const sub = CreatePopupMenu();
        AppendMenuW(sub, MF_STRING, 31, L"Inner");
        AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"Sub");
        {
            CLumoMenu menu(m_window.Get(), popup, 0);
            CLumoControls::TrackPopupMenu(popup, TPM_RETURNCMD, 40, 40, m_window.Get());
        }
        DestroyMenu(popup);
    };
    ExpectRoundsLeaveNoHandles([&](int) { round(); });
}
TEST(MenuOwnerLifetime, AMenuObjectMayOutliveItsWindowAndThenLeavesLaterWindowsAlone)
{
    CLumoControls::Instance();
    HMENU const first = SmallPopup();
    HMENU const second = SmallPopup();
    std::unique_ptr<CLumoMenu> stale;
    {
        CMenuTestWindow window;
        stale = std::make_unique<CLumoMenu>(window.Get(), first, 0);
    } // the subclass goes with the window...
    EXPECT_FALSE(IsOwnerDrawn(first, 0));
    // ...and a later window's subclass (which may reuse the memory, or even the handle) is not the stale
    // object's to remove.
    CMenuTestWindow later;
    CLumoMenu const live(later.Get(), second, 0);
    stale.reset();
    EXPECT_TRUE(IsOwnerDrawn(second, 0));
    EXPECT_NE(GetPropW(later.Get(), L"LumoMenu"), nullptr);
    DestroyMenu(first);
    DestroyMenu(second);
}
TEST(MenuBarLayout, ARegisteredMenuBarIsLaidOutWithTheMeasuredWidths)
{
    CLumoControls::Instance();
    CMenuTestWindow window;
    HMENU const file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 11, L"Open");
    HMENU const bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File with a long title");
    SetMenu(window.Get(), bar);
    RECT before{};
    GetMenuItemRect(window.Get(), bar, 0, &before);
    {
        CLumoMenu menu(window.Get(), bar, 1);
        RECT item{};
        ASSERT_TRUE(GetMenuItemRect(window.Get(), bar, 0, &item));
        // The platform lays the bar out again as the library takes it over, asking for the item sizes
        // while the registration is still under way.
        EXPECT_GT(item.right - item.left, 100);
    }
    SetMenu(window.Get(), nullptr);
    DestroyMenu(bar);
}
} // namespace
