// The colour editor under real messages: its own loop runs while each test step is posted into it, one
// step after everything the step before posted.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/LeakRounds.h"
#include "w32/TestWindows.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace
{
using Step = std::function<void()>;

// Runs posted steps in order from whatever loop is pumping the thread's queue.
class CScript
{
public:
    explicit CScript(std::vector<Step> steps) : m_steps(std::move(steps))
    {
        // Whatever the steps did, a pop-up still open after them is a failure, not a hang.
        m_steps.push_back(
            []
            {
                if (HWND popup = FindWindowW(L"CColorEditor::CImpl", nullptr))
                {
                    ADD_FAILURE() << "the steps left the pop-up open";
                    PostMessageW(popup, WM_CLOSE, 0, 0);
                }
            });
        m_window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
        PostMessageW(m_window, WM_APP, 0, 0);
    }
    ~CScript() { DestroyWindow(m_window); }
    std::size_t StepsRun() const { return m_next; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<CScript*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message != WM_APP)
            return CallWindowProcW(self->m_previous, window, message, wParam, lParam);
        if (self->m_next < self->m_steps.size())
        {
            self->m_steps[self->m_next++]();
            if (self->m_next < self->m_steps.size())
                PostMessageW(window, WM_APP, 0, 0);
        }
        return 0;
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    HWND m_window;
    WNDPROC m_previous;
};

HWND Popup()
{
    return FindWindowW(L"CColorEditor::CImpl", nullptr);
}

HWND Tabs()
{
    return GetDlgItem(Popup(), 8001);
}

HWND PageList()
{
    HWND const page = FindWindowExW(Popup(), nullptr, L"#32770", nullptr);
    return GetDlgItem(page, 8003);
}

LPARAM PointIn(RECT const& rect)
{
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void Click(HWND window, LPARAM point)
{
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(window, WM_LBUTTONUP, 0, point);
}

void ClickTab(int tab)
{
    RECT rect{};
    SendMessageW(Tabs(), TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&rect));
    Click(Tabs(), PointIn(rect));
}

void ClickRow(int row)
{
    RECT rect{};
    SendMessageW(PageList(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    Click(PageList(), PointIn(rect));
}

// Chooses a row without picking it: the button goes up off the rows.
void PressRowReleaseElsewhere(int row)
{
    RECT rect{};
    SendMessageW(PageList(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    PostMessageW(PageList(), WM_LBUTTONDOWN, MK_LBUTTON, PointIn(rect));
    PostMessageW(PageList(), WM_LBUTTONUP, 0, MAKELPARAM(-5, -5));
}

int SelectedRow()
{
    return static_cast<int>(SendMessageW(PageList(), LB_GETCURSEL, 0, 0));
}

void PressInList(WPARAM key)
{
    PostMessageW(PageList(), WM_KEYDOWN, key, 0);
}

// The platform's colour dialog owned by the pop-up, answered with a button.
void AnswerColorDialog(WORD button)
{
    struct Search
    {
        HWND owner, found;
    } search{Popup(), nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL
        {
            auto& s = *reinterpret_cast<Search*>(data);
            if (GetWindow(window, GW_OWNER) == s.owner && ClassOf(window) == L"#32770")
                s.found = window;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    ASSERT_NE(search.found, nullptr) << "the colour dialog is open";
    PostMessageW(search.found, WM_COMMAND, button, 0);
}

int RowOf(SNamedColor const* table, std::size_t count, COLORREF color)
{
    for (std::size_t row = 0; row < count; ++row)
        if (table[row].value == color)
            return static_cast<int>(row);
    return -1;
}

class ColorEditor : public testing::Test
{
protected:
    void SetUp() override
    {
        web = GetWebColorTable(webCount);
        standard = GetStandardColorTable(standardCount);
    }

    // Opens the editor over the anchor with the steps running inside its loop; returns whether a colour
    // was confirmed.
    bool Open(COLORREF& color, std::vector<Step> steps, int y = 20, int x = 200)
    {
        CScript script(std::move(steps));
        CColorEditor editor(y, x, color);
        editor.Show(anchor);
        EXPECT_EQ(Popup(), nullptr) << "the pop-up is gone when Show returns";
        return editor.IsConfirmed();
    }

    CTestParent anchor{300, 200};
    SNamedColor const* web = nullptr;
    SNamedColor const* standard = nullptr;
    std::size_t webCount = 0;
    std::size_t standardCount = 0;
};
} // namespace

TEST_F(ColorEditor, OpensOnTheWebPageAtTheOpenedColourAndAReleasedRowConfirmsItsColour)
{
    COLORREF color = web[40].value;
    int const row = RowOf(web, webCount, color);
    int top = -1;
    bool const confirmed = Open(
        color, {[&]
                {
                    EXPECT_NE(Popup(), nullptr) << "class named after the run-time type";
                    EXPECT_EQ(SendMessageW(Tabs(), TCM_GETITEMCOUNT, 0, 0), 3);
                    EXPECT_EQ(SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0), 1) << "Web";
                    EXPECT_EQ(SendMessageW(PageList(), LB_GETCOUNT, 0, 0), static_cast<LRESULT>(webCount));
                    EXPECT_EQ(SelectedRow(), row);
                    top = static_cast<int>(SendMessageW(PageList(), LB_GETTOPINDEX, 0, 0));
                    ClickRow(top + 1);
                }});
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(color, web[top + 1].value);
}

TEST_F(ColorEditor, AColourInNeitherTableSelectsNothingUntilAPageHadARowChosen)
{
    COLORREF const opened = 0x123457;
    ASSERT_EQ(RowOf(web, webCount, opened), -1);
    ASSERT_EQ(RowOf(standard, standardCount, opened), -1);
    COLORREF color = opened;
    bool const confirmed = Open(color, {[] { EXPECT_EQ(SelectedRow(), -1) << "web"; }, [] { ClickTab(2); },
                                        []
                                        {
                                            EXPECT_EQ(SelectedRow(), -1) << "standard";
                                            PressRowReleaseElsewhere(5);
                                        },
                                        [] { ClickTab(1); }, [] { ClickTab(2); },
                                        [&]
                                        {
                                            EXPECT_EQ(SelectedRow(), 5)
                                                << "the row chosen when the page was left";
                                            PressInList(VK_ESCAPE);
                                        }});
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(color, opened) << "Escape leaves the colour";
}

TEST_F(ColorEditor, CustomOpensTheColourDialogWhoseCancelReturnsToThePageShown)
{
    COLORREF color = standard[3].value;
    COLORREF const opened = color;
    HWND outside = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 400, 400, 50, 50, nullptr,
                                   nullptr, nullptr, nullptr);
    bool confirmed =
        Open(color, {[] { ClickTab(2); }, [] { ClickTab(0); }, [] { AnswerColorDialog(IDCANCEL); },
                     [outside]
                     {
                         EXPECT_EQ(SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0), 2);
                         EXPECT_NE(PageList(), nullptr);
                         EXPECT_NE(Popup(), nullptr) << "cancelling leaves the pop-up open";
                         Click(outside, MAKELPARAM(5, 5));
                     }});
    EXPECT_FALSE(confirmed) << "a click outside closes without a colour";
    EXPECT_EQ(color, opened);

    confirmed = Open(color, {[] { ClickTab(0); }, [] { AnswerColorDialog(IDOK); }});
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(color, opened) << "the dialog starts at the current colour";
    DestroyWindow(outside);
}

TEST_F(ColorEditor, OpensBelowTheRowOrAboveItNearTheScreensBottom)
{
    COLORREF color = 0;
    RECT anchorRect{};
    RECT popup{};
    auto const measure = [&] { GetWindowRect(Popup(), &popup); };
    auto const close = [] { PressInList(VK_ESCAPE); };
    SetWindowPos(anchor, nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(anchor, &anchorRect);
    Open(color, {measure, close}, 20, 250);
    EXPECT_EQ(popup.top, anchorRect.top + 20);
    EXPECT_EQ(popup.right, anchorRect.left + 250);

    Open(color, {measure, close}, 20, 10);
    EXPECT_EQ(popup.left, 0) << "never left of the screen";

    int const screenBottom = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(anchor, nullptr, 100, screenBottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(anchor, &anchorRect);
    Open(color, {measure, close}, 20, 250);
    EXPECT_EQ(popup.top, anchorRect.top + 20 - (popup.bottom - popup.top) - 18);
}

TEST_F(ColorEditor, RepeatedOpeningsLeaveNoHandlesBehind)
{
    COLORREF color = web[5].value;
    std::vector<Step> const script{[] { ClickTab(2); }, [] { PressInList(VK_ESCAPE); }};
    // The platform's caches fill in the first 30 openings.
    ExpectRoundsLeaveNoHandles([&](int) { Open(color, script); }, 100, 30);
}
