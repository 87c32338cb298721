// The list grid as a user drives it, through real messages: editing by key, click and typing, its end,
// creating and abandoning an item, deleting, the clipboard round trip, commands by focus, and handles
// after many edits, also when the host closes the grid from inside a call.
#include "grid/GridFixture.h"
#include "w32/LeakRounds.h"

#include <commctrl.h>

namespace
{
class GridControl : public GridFixture
{
protected:
    void SetUp() override
    {
        m_grid.Create(m_parent, 7, 0, 0, 480, 280, false, &m_handler);
        for (int c = 0; c < 3; ++c)
            m_grid.AppendColumn().SetWidth(100);
        m_grid.SetItemCount(5, false);
        for (unsigned i = 0; i < 5; ++i)
            for (unsigned c = 0; c < 3; ++c)
                m_grid.GetColumn(c).SetItemText(i, std::wstring(1, L'a' + i) + std::to_wstring(c));
        m_list = List();
        ::SetFocus(m_list);
        m_handler.log.clear();
    }
    void Key(HWND window, UINT key) { SendMessageW(window, WM_KEYDOWN, key, 0); }
    HWND Editor() const { return GetFocus() != m_list && IsChild(m_list, GetFocus()) ? GetFocus() : nullptr; }
    // A click in the middle of a cell (column 0 well inside its text).
    void Click(int item, int column)
    {
        RECT cell{};
        ListView_GetSubItemRect(m_list, item, column, LVIR_BOUNDS, &cell);
        LPARAM const at =
            MAKELPARAM(column == 0 ? 50 : (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        SendMessageW(m_list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(m_list, WM_LBUTTONUP, 0, at);
    }

    HWND m_list = nullptr;
};

TEST_F(GridControl, EnterEditsTheCurrentCellInARichEditAndEnterAgainCommitsWithTheHostsSay)
{
    m_grid.GetColumn(1).SelectItem(2);
    Key(m_list, VK_RETURN);
    HWND const editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(ClassOf(editor), L"RichEdit20W");
    EXPECT_EQ(ClassOf(GetParent(editor)), L"CGrid::CImpl::CRichEditContainer *");
    EXPECT_TRUE(m_grid.IsOwnerControl(CWnd(editor)));
    SetWindowTextW(editor, L"changed");
    Key(editor, VK_RETURN);
    EXPECT_EQ(Text(2, 1), L"changed");
    EXPECT_EQ(m_handler.log, "OnSelectedColumnChanged1 CanEditCell21 OnCellEditEnded21 CanChangeCellText21 ");
    EXPECT_EQ(GetFocus(), m_list);
    EXPECT_EQ(FindWindowExW(m_list, nullptr, L"CGrid::CImpl::CRichEditContainer *", nullptr), nullptr);

    m_handler.log.clear();
    SendMessageW(m_list, WM_CHAR, L'z', 0);
    ASSERT_NE(Editor(), nullptr) << "typing starts the edit";
    Key(Editor(), VK_ESCAPE);
    EXPECT_EQ(Text(2, 1), L"changed") << "Escape keeps the text";
}

TEST_F(GridControl, ASecondClickOnTheFocusedCellEditsWhenTheEditTimerRunsOut)
{
    Click(3, 2);
    EXPECT_EQ(m_grid.GetFocusedItem(), 3);
    EXPECT_EQ(m_grid.GetColumnIndex(*m_grid.GetSelectedColumn()), 2u);
    EXPECT_EQ(Editor(), nullptr);
    Click(3, 2);
    EXPECT_EQ(Editor(), nullptr) << "not yet: the edit timer runs first";
    SendMessageW(m_list, WM_TIMER, 310, 0);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(m_handler.log, "OnSelectedColumnChanged2 CanEditCell32 ");
}

TEST_F(GridControl, CellsWithAButtonOrASpinGetThemInTheirEditor)
{
    m_grid.GetColumn(1).SetItemButton(0, true);
    m_grid.GetColumn(2).SetItemSpin(0, true);
    m_grid.GetColumn(2).SetSpinRange(0, 10);
    m_grid.GetColumn(2).SetItemText(0, L"9");
    m_grid.GetColumn(1).SelectItem(0);
    m_grid.EditItem();
    HWND const button = GetDlgItem(GetParent(Editor()), 200);
    ASSERT_NE(button, nullptr);
    SendMessageW(GetParent(Editor()), WM_COMMAND, MAKEWPARAM(200, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    EXPECT_NE(m_handler.log.find("OnButtonClick01"), std::string::npos);
    Key(Editor(), VK_RETURN);

    m_grid.GetColumn(2).SelectItem(0);
    m_grid.EditItem();
    HWND const spin = FindWindowExW(GetParent(Editor()), nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(spin, nullptr);
    NMUPDOWN step{{spin, 0, UDN_DELTAPOS}, 0, -1};
    for (int i = 0; i < 3; ++i)
        SendMessageW(GetParent(Editor()), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&step));
    Key(Editor(), VK_RETURN);
    EXPECT_EQ(Text(0, 2), L"10") << "stepped up and held at the top of the range";
}

TEST_F(GridControl, InsertCreatesAnItemThatGoesAgainEmptyAndDeleteClearsCellsOfOtherColumns)
{
    m_grid.GetColumn(0).SelectItem(1);
    Key(m_list, VK_INSERT);
    ASSERT_EQ(m_grid.GetItemCount(), 6u);
    EXPECT_EQ(m_grid.GetInsertedItem(), 1);
    ASSERT_NE(Editor(), nullptr);
    Key(Editor(), VK_RETURN);
    EXPECT_EQ(m_grid.GetItemCount(), 5u) << "left empty, it goes again unannounced";
    EXPECT_FALSE(m_grid.IsInsertionMode());
    EXPECT_EQ(m_handler.log, "CanInsertItem1 OnItemCountChanged6 OnItemCountChanged5 ");

    m_grid.GetColumn(2).SelectItem(0);
    m_grid.SelectItemsList({0, 1, 3});
    Key(m_list, VK_DELETE);
    EXPECT_EQ(Column(2), L"||c2||e2|");
    m_grid.SetSelectedColumn(m_grid.GetColumn(0));
    m_grid.SelectItemsList({4});
    Key(m_list, VK_DELETE);
    EXPECT_EQ(Column(0), L"a0|b0|c0|d0|");
    EXPECT_TRUE(m_grid.IsItemSelected(3)) << "the last item takes the selection";
    EXPECT_NE(m_handler.log.find("CanDeleteItem4 OnItemCountChanged4 OnItemRemoved4"), std::string::npos);
}

TEST_F(GridControl, CopiedTextsComeBackThroughTheClipboardAndCommandsFollowTheFocus)
{
    m_grid.GetColumn(1).SelectItem(0);
    m_grid.SelectItemsList({0, 1});
    ASSERT_TRUE(m_grid.CanCommand(CGrid::Copy));
    ASSERT_TRUE(m_grid.ProcessCommand(CGrid::Copy));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(512));
    m_grid.GetColumn(2).SelectItem(0);
    m_grid.SelectItemsList({0, 1, 2, 3, 4});
    EXPECT_TRUE(m_grid.CanCommand(CGrid::Paste));
    ASSERT_TRUE(m_grid.ProcessCommand(CGrid::Paste));
    EXPECT_EQ(Column(2), L"a1|b1|a1|b1|a1|");

    m_grid.SelectItemsList({4});
    m_grid.ProcessCommand(CGrid::Copy); // one text: plain text only
    EXPECT_FALSE(IsClipboardFormatAvailable(512));
    m_grid.EditItem();
    ASSERT_NE(Editor(), nullptr);
    EXPECT_FALSE(m_grid.CanCommand(CGrid::Paste)) << "the editor has the focus";
    SendMessageW(Editor(), EM_SETSEL, 0, -1);
    EXPECT_TRUE(m_grid.ProcessCommand(CGrid::Paste));
    Key(Editor(), VK_RETURN);
    EXPECT_EQ(Text(4, 2), L"a1");
    ::SetFocus(nullptr);
    EXPECT_FALSE(m_grid.ProcessCommand(CGrid::Copy)) << "no window has the focus";
}

TEST(GridControlHandles, EditingAndClosingTheGridFromInsideACallLeaveNothingBehind)
{
    CGrid::Register();
    CTestParent const parent(300, 200);
    auto round = [&](int i)
    {
        auto* grid = new CGrid;
        RecordingHandler handler;
        handler.grid = grid;
        grid->Create(parent, 1, 0, 0, 200, 100, true, &handler);
        grid->AppendColumn().SetWidth(60);
        grid->AppendColumn().SetWidth(60);
        grid->SetItemCount(3, false);
        grid->GetColumn(1).SetItemButton(1, true);
        grid->GetColumn(1).SelectItem(1);
        grid->SetFocus();
        grid->EditItem();
        HWND const editor = GetFocus();
        SetWindowTextW(editor, L"x");
        // Every other round the host closes (or deletes) the grid while the edit ends.
        handler.onCall = [&](std::string const& what)
        {
            if (what == "CanChangeCellText11" && i % 2 == 1)
            {
                if (i % 4 == 1)
                    grid->Destroy();
                else
                {
                    delete grid;
                    grid = nullptr;
                }
            }
        };
        SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
        delete grid;
    };
    ExpectRoundsLeaveNoHandles(round, 100, 4); // each way once before counting
    CGrid::Unregister();
}
} // namespace
