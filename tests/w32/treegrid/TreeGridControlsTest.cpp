// The in-cell controls under the real platform, driven by messages: commit by Enter and by focus loss,
// Escape, refused text changes, check boxes across the selection, the combo list's size, progress bars,
// and what is left behind.
#include "TextForms.h"
#include "LumoCtrls/LumoCtrls.h"
#include "w32/TestWindows.h"
#include "w32/LeakRounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Lines = std::vector<std::string>;

class EditHandler : public CTreeGrid::CEventsHandler
{
public:
    bool EditorMayOpen(CTreeGrid::IControl*) override { return Say("may open"); }
    bool EditorMayClose(CTreeGrid::ICustomEdit*) override { return Say("may close"); }
    void EditorClosed(CTreeGrid::ICustomEdit*) override { Say("closed"); }
    bool EditorTextChanged(CTreeGrid::ICustomEdit*, std::wstring& text) override
    {
        return Say("changed " + Narrow(text)) && acceptText;
    }
    bool ValueCommitted(CTreeGrid::ICustomEdit*, std::wstring& text) override
    {
        return Say("committed " + Narrow(text));
    }
    void EditorKey(CTreeGrid::ICustomEdit*, UINT key) override { Say("key " + std::to_string(key)); }
    bool CheckMayChange(CTreeGrid::ICheckButton*, bool) override { return Say("check may change"); }
    bool CheckValueMayChange(CTreeGrid::ICheckButton* check, int& value) override
    {
        return Say("value may change " + Narrow(check->GetOwner()->GetText()) + " " + std::to_string(value));
    }
    void CheckChanged(CTreeGrid::ICheckButton* check) override
    {
        Say("check changed " + Narrow(check->GetOwner()->GetText()));
    }

    Lines Take() { return std::exchange(lines, {}); }
    Lines lines;
    bool acceptText = true;

private:
    bool Say(std::string line)
    {
        lines.push_back(std::move(line));
        return true;
    }
};

// A shown grid of one column, with a handler that records what the controls tell it.
class TreeGridControls : public testing::Test
{
protected:
    void SetUp() override
    {
        m_grid.Create(CWnd(m_parent));
        m_grid.Resize(RECT{0, 0, 300, 200});
        m_grid.Show(true);
        m_grid.InsertColumn(0, L"", 200);
        m_grid.SetEventsHandler(&m_handler);
    }
    void TearDown() override
    {
        m_grid.SetEventsHandler(nullptr);
        m_grid.Destroy();
    }
    CTreeGrid::ICell* Cell(std::wstring const& text, int kind, int activation = CTreeGrid::ACTIVATION_DEFAULT)
    {
        CTreeGrid::INode* const node = m_grid.AddNode(nullptr);
        node->SetHeight(20);
        CTreeGrid::ICell* const cell = node->GetCell(m_grid.GetColumn(0));
        cell->SetText(text);
        cell->GetStyle()->SetControlKind(kind);
        cell->GetStyle()->SetActivation(activation);
        return cell;
    }
    HWND Open(CTreeGrid::ICell& cell)
    {
        auto* const editor = dynamic_cast<CTreeGrid::ICustomEdit*>(m_grid.EditControl(cell));
        return editor != nullptr ? editor->GetEditorWindow() : nullptr;
    }
    static void Type(HWND editor, wchar_t const* text)
    {
        for (wchar_t const* c = text; *c != 0; ++c)
            SendMessageW(editor, WM_CHAR, *c, 0);
    }

    CTestParent m_parent{400, 300};
    EditHandler m_handler;
    CTreeGrid m_grid{CTreeGrid::LOOK_HOST};
};

TEST_F(TreeGridControls, EnterAndFocusLossCommitAndEscapeRestoresNothing)
{
    CTreeGrid::ICell* const cell = Cell(L"old", CTreeGrid::CONTROL_TEXT);
    HWND editor = Open(*cell);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(m_grid.GetControlFocus(), cell);
    SendMessageW(editor, WM_KEYDOWN, VK_END, 0);
    Type(editor, L"!");
    SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(cell->GetText(), L"old!");
    EXPECT_EQ(m_grid.GetControlFocus(), nullptr);
    EXPECT_EQ(m_handler.Take(), (Lines{"may open", "key 35", "changed old!", "may close", "committed old!",
                                       "closed", "key 13"}));

    editor = Open(*cell);
    SetWindowTextW(editor, L"by focus");
    SendMessageW(editor, EM_SETMODIFY, TRUE, 0);
    SetFocus(m_parent);
    EXPECT_EQ(cell->GetText(), L"by focus");

    editor = Open(*cell);
    Type(editor, L"lost");
    m_handler.Take();
    SendMessageW(editor, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(cell->GetText(), L"by focus");
    EXPECT_EQ(m_handler.Take(), (Lines{"may close", "closed", "key 27"})) << "nothing committed";
}

TEST_F(TreeGridControls, ARefusedTextChangePutsTheCellsTextBack)
{
    CTreeGrid::ICell* const cell = Cell(L"keep", CTreeGrid::CONTROL_EDIT);
    HWND const editor = Open(*cell);
    m_handler.acceptText = false;
    SendMessageW(editor, WM_KEYDOWN, VK_END, 0);
    Type(editor, L"x");
    wchar_t text[16] = {};
    GetWindowTextW(editor, text, 16);
    EXPECT_STREQ(text, L"keep");
    EXPECT_NE(SendMessageW(editor, EM_GETMODIFY, 0, 0), 0);
}

TEST_F(TreeGridControls, ACheckBoxClickSetsEverySelectedWritableCheckBoxToItsNewValue)
{
    CTreeGrid::ICell* const cells[] = {
        Cell(L"a", CTreeGrid::CONTROL_CHECK_BOX), Cell(L"b", CTreeGrid::CONTROL_CHECK_BOX),
        Cell(L"c", CTreeGrid::CONTROL_CHECK_BOX), Cell(L"d", CTreeGrid::CONTROL_CHECK_BOX)};
    cells[0]->SetValue(2);
    cells[2]->GetStyle()->SetReadOnly(true);
    for (int i = 0; i < 3; ++i)
        m_grid.SelectCell(*cells[i]);
    m_handler.Take();
    cells[0]->GetControl()->Click(POINT{});
    EXPECT_EQ(m_handler.Take(), (Lines{"check may change", "value may change b 1", "check changed b",
                                       "value may change a 1", "check changed a"}));
    EXPECT_EQ(cells[0]->GetValue(), 1) << "indeterminate becomes checked";
    EXPECT_EQ(cells[1]->GetValue(), 1);
    EXPECT_EQ(cells[2]->GetValue(), 0) << "read-only";
    EXPECT_EQ(cells[3]->GetValue(), 0) << "not selected";
    cells[2]->GetControl()->Click(POINT{});
    EXPECT_TRUE(m_handler.Take().empty()) << "a read-only check box asks nobody";
}

TEST_F(TreeGridControls, AComboListOfThirtyItemsShowsTwelveOfSixteenPixels)
{
    CTreeGrid::ICell* const cell = Cell(L"item 3", CTreeGrid::CONTROL_COMBO_BOX);
    auto* const combo = dynamic_cast<CTreeGrid::IComboBox*>(cell->GetControl());
    ASSERT_NE(combo, nullptr);
    std::vector<std::wstring> items;
    for (int i = 0; i < 30; ++i)
        items.push_back(L"item " + std::to_wstring(i));
    combo->SetItems(items, 3);
    ASSERT_NE(m_grid.EditControl(*cell), nullptr);
    HWND const list = combo->GetListWindow();
    ASSERT_NE(list, nullptr);
    RECT bounds;
    GetWindowRect(list, &bounds);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_EQ(bounds.bottom - bounds.top, 16 * 12 + 2);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
    SendMessageW(list, LB_SETCURSEL, 7, 0);
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(combo->IsListOpen());
    int current = -1;
    combo->GetItems(items, current);
    EXPECT_EQ(current, 7);
    m_grid.SetControlFocus(cell, false);
    EXPECT_EQ(cell->GetText(), L"item 7");
}

TEST_F(TreeGridControls, AProgressBarNeverOpensAnEditor)
{
    CTreeGrid::ICell* const progress = Cell(L"", CTreeGrid::CONTROL_PROGRESS);
    EXPECT_EQ(m_grid.EditControl(*progress), nullptr);
    EXPECT_EQ(m_grid.EditControl(*Cell(L"", CTreeGrid::CONTROL_TEXT, CTreeGrid::ACTIVATION_NONE)), nullptr);
    EXPECT_TRUE(m_handler.Take().empty());
}

// Removes the edited row from inside the text-change notification.
class RemovingHandler : public CTreeGrid::CEventsHandler
{
public:
    bool EditorTextChanged(CTreeGrid::ICustomEdit* editor, std::wstring&) override
    {
        CTreeGrid& grid = *editor->GetOwner()->GetTreeGrid();
        grid.RemoveNode(*grid.GetFirstSiblingNode());
        return true;
    }
};

TEST_F(TreeGridControls, EditorsAndListsComeAndGoWithoutLeavingAnythingEvenWhenTheirRowGoes)
{
    RemovingHandler removing;
    auto round = [&]
    {
        CTreeGrid::ICell* const combo = Cell(L"a", CTreeGrid::CONTROL_COMBO_BOX);
        dynamic_cast<CTreeGrid::IComboBox*>(combo->GetControl())->SetItems({L"a", L"b"}, 0);
        m_grid.EditControl(*combo);
        m_grid.ClearNodes();
        m_grid.SetEventsHandler(&removing);
        Type(Open(*Cell(L"x", CTreeGrid::CONTROL_TEXT)), L"y");
        m_grid.SetEventsHandler(&m_handler);
        m_grid.ClearNodes();
        MSG message; // an editor removed while it was handling a key closes once the key is done
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    };
    // The second round still makes the list's first objects. Counted: windows, and the mouse hook.
    ExpectRoundsLeaveNoHandles([&](int) { round(); }, 50, 2);
    EXPECT_EQ(m_grid.GetControlFocus(), nullptr);
}
} // namespace
