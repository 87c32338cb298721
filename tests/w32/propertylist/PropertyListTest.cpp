// The property list under real messages: clicks and keys in, the manager's handler calls out.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/LeakRounds.h"
#include "w32/PopupMenuWatch.h"
#include "w32/TestWindows.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
class CRecordingHandler : public CPropertyManager::IEventsHandler
{
public:
    std::vector<std::wstring> calls;
    std::function<bool(void*, std::wstring&)> changing = [](void*, std::wstring&) { return true; };
    bool resetAnswer = false;

    bool OnValueChanging(void* item, std::wstring& value, int) override
    {
        calls.push_back(L"changing " + CPropertyItem(item).GetName() + L"=" + value);
        return changing(item, value);
    }
    void OnValueChanged(void* item) override { calls.push_back(L"changed " + CPropertyItem(item).GetName()); }
    void OnItemSelected(void* item) override
    {
        calls.push_back(L"selected " + CPropertyItem(item).GetName());
    }
    bool GetResetValue(void*, std::wstring& value) override
    {
        value = L"0";
        return resetAnswer;
    }
};

// Answers every message box of the thread with OK, keeping its text.
class CMessageBoxAnswerer
{
public:
    CMessageBoxAnswerer() : m_hook(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId()))
    {
        s_texts.clear();
    }
    ~CMessageBoxAnswerer() { UnhookWindowsHookEx(m_hook); }
    static std::vector<std::wstring> s_texts;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        auto const window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && ClassOf(window) == L"#32770")
        {
            wchar_t text[512] = {};
            GetDlgItemTextW(window, 0xFFFF, text, 512);
            wchar_t title[128] = {};
            GetWindowTextW(window, title, 128);
            s_texts.push_back(std::wstring(title) + L": " + text);
            PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK m_hook;
};
std::vector<std::wstring> CMessageBoxAnswerer::s_texts;

class PropertyList : public testing::Test
{
protected:
    void SetUp() override
    {
        manager.SetEventsHandler(&handler);
        general = manager.AddCategoryItem(L"General");
        width = manager.AddEditItem(general, L"Width", 1, L"12", false);
        ratio = manager.AddEditItem(general, L"ratio", 2, L"1.5", false);
        locked = manager.AddEditItem(general, L"Locked", 3, L"x", false);
        CPropertyItem(locked).SetEnabled(false);
        script = manager.AddCustomItem(general, L"Script", 4, L"run.js", false);
        align =
            manager.AddListItem(general, L"Align", std::vector<std::wstring>{L"Left", L"Right"}, 5, L"Left");
        color = manager.AddColorItem(general, L"Colour", 6, L"Blue");
        list.Create(CWnd(parent), 100);
        list.Resize(RECT{0, 0, 400, 380});
        list = &manager;
        handler.calls.clear();
    }
    void TearDown() override { list.Destroy(); }

    HWND ListBox() { return FindWindowExW(list.GetWindow(), nullptr, L"PropertyListBoxWnd", nullptr); }
    HWND Child(wchar_t const* className) { return FindWindowExW(ListBox(), nullptr, className, nullptr); }
    HWND Editor() { return Child(L"Edit"); }
    RECT Row(int row)
    {
        RECT rect{};
        SendMessageW(ListBox(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    void Click(HWND window, int x, int y)
    {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void ClickName(int row) { Click(ListBox(), 60, (Row(row).top + Row(row).bottom) / 2); }
    void ClickValue(int row) { Click(ListBox(), 250, (Row(row).top + Row(row).bottom) / 2); }
    void Key(HWND window, WPARAM key) { SendMessageW(window, WM_KEYDOWN, key, 0); }
    void Type(std::wstring const& text)
    {
        SendMessageW(Editor(), EM_SETSEL, 0, -1);
        for (wchar_t c : text)
            SendMessageW(Editor(), WM_CHAR, c, 0);
        Key(Editor(), VK_RETURN);
    }
    std::wstring Selected() { return CPropertyItem(manager.GetSelectedItem()).GetName(); }
    int RowCount() { return static_cast<int>(SendMessageW(ListBox(), LB_GETCOUNT, 0, 0)); }

    CTestParent parent{500, 400};
    CRecordingHandler handler;
    CPropertyManager manager;
    CPropertyListCtrl list;
    void *general = nullptr, *width = nullptr, *ratio = nullptr, *locked = nullptr, *script = nullptr,
         *align = nullptr, *color = nullptr;
};
} // namespace

TEST_F(PropertyList, RowsFollowTheCategoryAndAlphabeticalStylesAndTheToolbar)
{
    EXPECT_EQ(RowCount(), 7);
    ClickName(0);
    EXPECT_EQ(Selected(), L"General");
    manager.SetStyleOff(CPropertyManager::STYLE_CATEGORIZED);
    EXPECT_EQ(RowCount(), 6) << "no category rows";
    HWND const toolbar = FindWindowExW(list.GetWindow(), nullptr, TOOLBARCLASSNAMEW, nullptr);
    RECT button{};
    SendMessageW(toolbar, TB_GETRECT, 50003, reinterpret_cast<LPARAM>(&button));
    Click(toolbar, (button.left + button.right) / 2, (button.top + button.bottom) / 2);
    EXPECT_TRUE(manager.IsStyleSet(CPropertyManager::STYLE_ALPHABETICAL))
        << "the toolbar's Alphabetical button";
    std::vector<std::wstring> order;
    for (int row = 0; row < RowCount(); ++row)
    {
        manager.SelectItem(nullptr, false);
        ClickName(row);
        order.push_back(Selected());
    }
    EXPECT_EQ(order, (std::vector<std::wstring>{L"Align", L"Colour", L"", L"ratio", L"Script", L"Width"}))
        << "names ignoring case; the disabled Locked cannot be selected";
}

TEST_F(PropertyList, SelectionByClickAndKeysSkipsDisabledItems)
{
    ClickName(2); // ratio
    Key(ListBox(), VK_DOWN);
    EXPECT_EQ(Selected(), L"Script") << "Locked is passed over";
    ClickName(3);
    EXPECT_EQ(Selected(), L"Script") << "a click on a disabled item selects nothing";
    EXPECT_EQ(handler.calls, (std::vector<std::wstring>{L"selected ratio", L"selected Script"}));
    CPropertyItem(script).SetEnabled(false);
    EXPECT_EQ(Selected(), L"Align") << "disabling the selection moves it on";
}

TEST_F(PropertyList, TypedValuesAreCommittedThroughTheHandler)
{
    ClickValue(1);
    EXPECT_EQ(GetFocus(), Editor()) << "a click in the value column edits it";
    Type(L"40");
    EXPECT_EQ(CPropertyItem(width).GetValue(), L"40");
    EXPECT_TRUE(CPropertyItem(width).IsModified());
    handler.changing = [](void*, std::wstring&) { return false; };
    Type(L"50");
    EXPECT_EQ(CPropertyItem(width).GetValue(), L"40") << "refused";
    EXPECT_EQ(handler.calls, (std::vector<std::wstring>{L"selected Width", L"changing Width=40",
                                                        L"changed Width", L"changing Width=50"}));
}

TEST_F(PropertyList, AnIntegerValueGetsTheSpinWhoseStepsAreCommitted)
{
    ClickValue(1);
    HWND const spin = Child(UPDOWN_CLASSW);
    ASSERT_TRUE(IsWindowVisible(spin));
    RECT rect{};
    GetClientRect(spin, &rect);
    Click(spin, rect.right / 2, 2); // the upper arrow
    EXPECT_EQ(CPropertyItem(width).GetValue(), L"13");
    ClickValue(2);
    EXPECT_FALSE(IsWindowVisible(spin)) << "1.5 is no integer";
}

TEST_F(PropertyList, DeleteEmptiesOnlyKeyboardDeletableCustomItems)
{
    ClickName(4);
    Key(ListBox(), VK_DELETE);
    EXPECT_EQ(CPropertyItem(script).GetValue(), L"run.js");
    CPropertyItem(script).SetKeyboardDeletable(true);
    Key(ListBox(), VK_DELETE);
    EXPECT_EQ(CPropertyItem(script).GetValue(), L"");
    EXPECT_EQ(handler.calls.back(), L"changed Script");
}

TEST_F(PropertyList, ChoicesAreChosenFromTheDropDown)
{
    ClickName(5);
    Key(ListBox(), VK_F4);
    HWND dropDown = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL
        {
            if (ClassOf(window) == L"ListBox" && IsWindowVisible(window))
                *reinterpret_cast<HWND*>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dropDown));
    ASSERT_NE(dropDown, nullptr);
    EXPECT_EQ(SendMessageW(dropDown, LB_GETCOUNT, 0, 0), 2);
    RECT choice{};
    SendMessageW(dropDown, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&choice));
    Click(dropDown, 5, (choice.top + choice.bottom) / 2);
    EXPECT_EQ(CPropertyItem(align).GetValue(), L"Right");
    EXPECT_FALSE(IsWindowVisible(dropDown));
}

TEST_F(PropertyList, TypedColourNamesAreNormalisedOrGiveWayToTheLastValidOne)
{
    CMessageBoxAnswerer answerer;
    ClickValue(6);
    Type(L"red");
    EXPECT_EQ(CPropertyItem(color).GetValue(), L"Red");
    EXPECT_TRUE(CMessageBoxAnswerer::s_texts.empty());
    Type(L"nonsense");
    EXPECT_EQ(CPropertyItem(color).GetValue(), L"Red");
    EXPECT_EQ(
        CMessageBoxAnswerer::s_texts,
        std::vector<std::wstring>{L"Invalid Color Name: The color named:\"nonsense\" doesn't exist, and will "
                                  L"be replaced by the latest valid color name entered."});
}

TEST_F(PropertyList, TheDividerStaysThirtyPixelsFromEitherEdge)
{
    HWND const box = ListBox();
    RECT client{};
    GetClientRect(box, &client);
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 5));
    SendMessageW(box, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 5));
    EXPECT_EQ(manager.GetSplitterPosition(), 31);
    SendMessageW(box, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2000, 5));
    EXPECT_EQ(manager.GetSplitterPosition(), client.right - 30);
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(2000, 5));
}

TEST_F(PropertyList, ResetIsGreyedUnlessTheHandlerHasAResetValue)
{
    CPopupMenuWatch const menus;
    for (bool answer : {false, true})
    {
        handler.resetAnswer = answer;
        int const openings = menus.Openings();
        int const y = (Row(1).top + Row(1).bottom) / 2;
        SendMessageW(ListBox(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, y));
        SendMessageW(ListBox(), WM_RBUTTONUP, 0, MAKELPARAM(60, y));
        ASSERT_EQ(menus.Openings(), openings + 1) << "the menu opened";
        EXPECT_EQ((menus.StateOf(8001) & MF_GRAYED) != 0, !answer);
        EXPECT_NE(menus.StateOf(8002) & MF_CHECKED, 0u) << "the description pane is shown";
    }
}

TEST_F(PropertyList, HandlersThatTearTheListDownLeaveNothingBehind)
{
    auto const round = [&](int way)
    {
        CPropertyManager other;
        CRecordingHandler tearing;
        other.SetEventsHandler(&tearing);
        void* item = other.AddEditItem(other.AddCategoryItem(L"C"), L"e", 1, L"1", false);
        CPropertyListCtrl doomed;
        doomed.Create(CWnd(parent), 101);
        doomed.Resize(RECT{0, 0, 300, 300});
        doomed = &other;
        tearing.changing = [&](void*, std::wstring&)
        {
            if (way == 0)
                other.ClearItems();
            else if (way == 1)
                doomed = nullptr;
            else
                doomed.Destroy();
            return true;
        };
        other.SelectItem(item, true);
        HWND const box = FindWindowExW(doomed.GetWindow(), nullptr, L"PropertyListBoxWnd", nullptr);
        HWND const editor = FindWindowExW(box, nullptr, L"Edit", nullptr);
        SendMessageW(editor, WM_CHAR, L'7', 0);
        SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
    };
    ExpectRoundsLeaveNoHandles([&](int i) { round(i % 3); }, 99, 3); // each way once before counting
}

TEST_F(PropertyList, AParentDestroyedFirstTakesTheListsWindowsAndTheListCanBeMadeAgain)
{
    HWND const host =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr);
    CPropertyListCtrl early;
    early.Create(CWnd(host), 7);
    CPropertyManager shown;
    early = &shown;
    DestroyWindow(host);
    EXPECT_EQ(early.Get(), nullptr) << "the manager is detached with the windows";
    EXPECT_EQ(early.GetWindow().GetHandle(), nullptr);
    list.Destroy(); // the classes' last user goes while the container class may still be registered
    early.Create(CWnd(parent), 7);
    EXPECT_NE(early.GetWindow().GetHandle(), nullptr);
    early.Destroy();
}

TEST_F(PropertyList, ATooWideValueShowsInTheTooltipWhichPassesClicksToTheList)
{
    CPropertyItem(script).SetValue(std::wstring(80, L'w'));
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL
        {
            if (ClassOf(window) == TOOLTIPS_CLASSW && GetPropW(window, L"MainWnd") != nullptr)
                *reinterpret_cast<HWND*>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(GetPropW(tooltip, L"MainWnd"), ListBox());
    int const y = (Row(4).top + Row(4).bottom) / 2;
    SendMessageW(ListBox(), WM_MOUSEMOVE, 0, MAKELPARAM(250, y));
    EXPECT_TRUE(IsWindowVisible(tooltip)) << "the value is wider than its column";
    SendMessageW(ListBox(), WM_MOUSEMOVE, 0, MAKELPARAM(60, y));
    EXPECT_FALSE(IsWindowVisible(tooltip)) << "the name fits";

    POINT inTooltip{60, (Row(2).top + Row(2).bottom) / 2}; // over ratio, in the tooltip's coordinates
    MapWindowPoints(ListBox(), tooltip, &inTooltip, 1);
    SendMessageW(tooltip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inTooltip.x, inTooltip.y));
    PumpMessages();
    EXPECT_EQ(Selected(), L"ratio") << "the click went on to the row beneath";
}

TEST_F(PropertyList, AManagerDestroyedWhileShownLeavesAnEmptyList)
{
    CPropertyListCtrl shown;
    shown.Create(CWnd(parent), 8);
    shown.Resize(RECT{0, 0, 300, 300});
    {
        CPropertyManager temporary;
        temporary.AddEditItem(temporary.AddCategoryItem(L"C"), L"e", 1, L"1", false);
        shown = &temporary;
        temporary.SelectItem(temporary.FindItem(1u), true);
    }
    EXPECT_EQ(shown.Get(), nullptr);
    HWND const box = FindWindowExW(shown.GetWindow(), nullptr, L"PropertyListBoxWnd", nullptr);
    EXPECT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 0);
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5));
    UpdateWindow(box);
    shown.Destroy();
}
