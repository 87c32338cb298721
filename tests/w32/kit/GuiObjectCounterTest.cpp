// The leak checks of every later test rely on this counter; it must see objects come and go.
#include "w32/GuiObjectCounter.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace
{
struct Objects
{
    HBRUSH brushes[7];
    HMENU menu;
    HWND window;

    Objects()
    {
        for (HBRUSH& brush : brushes)
            brush = CreateSolidBrush(RGB(1, 2, 3));
        menu = CreatePopupMenu();
        window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    }
    ~Objects()
    {
        for (HBRUSH brush : brushes)
            DeleteObject(brush);
        DestroyMenu(menu);
        DestroyWindow(window);
    }
};

TEST(GuiObjectCounter, SeesGdiAndUserObjectsComeAndGo)
{
    // The first window of a process sets up platform state (class brushes, fonts) that stays; every leak
    // check therefore counts after one warm-up round of what it measures.
    {
        Objects warmUp;
    }
    GuiObjectCounts const before = CountGuiObjects();
    {
        Objects objects;
        ASSERT_NE(objects.window, nullptr);
        GuiObjectCounts const during = CountGuiObjects();
        EXPECT_EQ(during.gdi, before.gdi + 7);
        // The menu is one object; under Wine a window brings a helper object of its own besides itself.
        EXPECT_GE(during.user, before.user + 2);
    }
    EXPECT_EQ(CountGuiObjects(), before);
}
} // namespace
