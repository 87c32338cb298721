#include "LumoCtrls/LumoCtrls.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
TEST(Clipboard, ABlockHandedToTheClipboardBelongsToItAndComesBackAndAnAbsentFormatIsAnError)
{
    std::wstring const text = L"LumoCtrls clipboard";
    {
        CGlobal block;
        block.Allocate(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        {
            CGlobalLock lock(block);
            std::memcpy(lock.GetData(), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        }
        CClipboard clipboard(nullptr);
        clipboard.Empty();
        clipboard.SetData(CF_UNICODETEXT, block);
        EXPECT_FALSE(block.IsOwned()); // the wrapper must not free what the system now owns
    }
    {
        CClipboard clipboard(nullptr);
        CGlobalLock lock(clipboard.GetData(CF_UNICODETEXT));
        EXPECT_EQ(std::wstring(static_cast<wchar_t const*>(lock.GetData())), text);
        clipboard.Empty();
    }
    CClipboard clipboard(nullptr);
    try
    {
        clipboard.GetData(CF_UNICODETEXT);
        FAIL() << "an absent format is an error";
    }
    catch (CWindowsApiFailed const& error)
    {
        EXPECT_EQ(error.GetOperation(), L"GetClipboardData");
    }
}

TEST(Window, CheckedCallsCreateMoveNameAndDestroy)
{
    CWnd window;
    window.CreateWindowExW(0, L"STATIC", L"first", WS_POPUP, 10, 20, 30, 40, nullptr, nullptr, nullptr,
                           nullptr);
    ASSERT_NE(window.GetHandle(), nullptr);
    EXPECT_EQ(window.GetClassNameW(), L"Static");
    window.SetWindowTextW(L"second");
    wchar_t title[16];
    GetWindowTextW(window, title, 16);
    EXPECT_STREQ(title, L"second");
    window.MoveWindow(5, 6, 70, 80, false);
    RECT const bounds = window.GetWindowRect();
    EXPECT_EQ(bounds.left, 5);
    EXPECT_EQ(bounds.bottom, 86);
    EXPECT_EQ(window.GetWindowPlacement().length, sizeof(WINDOWPLACEMENT));
    window.DestroyWindow();
    EXPECT_EQ(window.GetHandle(), nullptr);
}

TEST(Screen, HasMoreThan256ColoursCountedAs64000)
{
    EXPECT_EQ(GetScreenColorCount(), 64000); // Wine's screen is 32 bits per pixel
    EXPECT_EQ(GetScreenColorCount(), 64000);
}
} // namespace
