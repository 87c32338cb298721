// The list grid's protocols with a recording host: editing and its end, creating, deleting with and
// without ranges, pasting; and the key and command tables, the click timing and the clipboard format.
#include "LumoControls/LumoGrid/GridClipboardFormat.h"
#include "LumoControls/LumoGrid/GridEditing.h"
#include "LumoControls/LumoGrid/GridInput.h"
#include "native/GridFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace
{
using namespace lumo;

// Records every question and notification; refuses what `refuse` names; `onCall` runs inside each call.
class RecordingHost : public IGridHost, public IGridEditor
{
public:
    template <class... Numbers> bool Ask(char const* name, Numbers... numbers)
    {
        std::string call = name;
        [[maybe_unused]] char separator = '('; // unused by the calls without numbers
        ((call += separator + std::to_string(numbers), separator = ','), ...);
        call += sizeof...(numbers) == 0 ? "()" : ")";
        log += call + " ";
        if (onCall)
            onCall(call);
        return refuse.find(name) == std::string::npos;
    }

    bool HasHandler() const override { return handler; }
    bool CanInsertItem(int i) override { return Ask("CanInsertItem", i); }
    void OnItemCreated(int i) override { Ask("OnItemCreated", i); }
    bool CanChangeItemText(int i, std::wstring const&) override { return Ask("CanChangeItemText", i); }
    bool CanChangeCellText(int i, unsigned c, std::wstring const&) override
    {
        return Ask("CanChangeCellText", i, c);
    }
    bool CanCreateItem(int i, std::wstring const&) override { return Ask("CanCreateItem", i); }
    bool CanDeleteItem(int i) override { return Ask("CanDeleteItem", i); }
    void OnItemRemoved(int i, std::wstring const&) override { Ask("OnItemRemoved", i); }
    bool CanClearCell(int i, unsigned c) override { return Ask("CanClearCell", i, c); }
    void OnCellCleared(int i, unsigned c, std::wstring const&) override { Ask("OnCellCleared", i, c); }
    bool CanDeleteInRanges() override { return Ask("CanDeleteInRanges"); }
    bool CanDeleteItemRange(int& f, int& l) override { return Ask("CanDeleteItemRange", f, l); }
    void OnItemRangeDeleted(int f, int l) override { Ask("OnItemRangeDeleted", f, l); }
    bool CanClearCellRange(int& f, int& l, unsigned c) override { return Ask("CanClearCellRange", f, l, c); }
    void OnCellRangeCleared(int f, int l, unsigned c) override { Ask("OnCellRangeCleared", f, l, c); }
    bool CanProcessMultiple(int command) override { return Ask("CanProcessMultiple", command); }
    void OnMultipleProcessed() override { Ask("OnMultipleProcessed"); }
    bool CanEditItem(int i) override { return Ask("CanEditItem", i); }
    bool CanEditCell(int i, unsigned c) override { return Ask("CanEditCell", i, c); }
    void OnItemEditEnded(int i) override { Ask("OnItemEditEnded", i); }
    void OnCellEditEnded(int i, unsigned c) override { Ask("OnCellEditEnded", i, c); }
    std::shared_ptr<bool const> AliveToken() const override { return alive; }

    bool OpenEditor(unsigned, unsigned) override { return editorOpen = true; }
    std::wstring EditorText() const override { return editorText; }
    void CloseEditor() override { editorOpen = false; }
    bool ControlHeld() const override { return false; }

    bool handler = true;
    std::string refuse;
    std::string log;
    std::function<void(std::string const&)> onCall;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    bool editorOpen = false;
    std::wstring editorText;
};

struct Protocol
{
    test::RecordingView list;
    GridModel model{list, false};
    RecordingHost host;
    GridEditing editing{model, host, host};

    Protocol(std::vector<std::wstring> const& texts, unsigned columns = 3)
    {
        list.model = &model;
        for (unsigned c = 0; c < columns; ++c)
            model.InsertColumn(c);
        model.SetItemCount(static_cast<unsigned>(texts.size()), false);
        for (unsigned i = 0; i < texts.size(); ++i)
            for (unsigned c = 0; c < columns; ++c)
                model.Column(c).SetItemText(i, texts[i] + std::to_wstring(c));
    }
    std::wstring Texts(unsigned column)
    {
        std::wstring all;
        for (unsigned i = 0; i < model.ItemCount(); ++i)
            all += model.Column(column).ItemText(i) + L"|";
        return all;
    }
    std::string Take() { return std::exchange(host.log, std::string()); }
};

TEST(GridProtocols, AnEditEndsWithTheHostsSayAndARefusalKeepsTheText)
{
    Protocol p({L"a", L"b"});
    p.list.focused = 1;
    p.model.SetSelectedColumn(2);
    ASSERT_TRUE(p.editing.Edit());
    EXPECT_EQ(p.Take(), "CanEditCell(1,2) ");
    p.host.editorText = L"new";
    p.host.refuse = "CanChangeCellText";
    p.editing.EndEdit();
    EXPECT_EQ(p.Take(), "OnCellEditEnded(1,2) CanChangeCellText(1,2) ");
    EXPECT_EQ(p.Texts(2), L"a2|b2|");
    EXPECT_FALSE(p.host.editorOpen);

    p.model.SetSelectedColumn(0);
    p.host.refuse = "";
    p.editing.Edit();
    p.host.editorText = L"b0"; // unchanged: stored without asking
    p.editing.EndEdit();
    EXPECT_EQ(p.Take(), "CanEditItem(1) OnItemEditEnded(1) ");
    p.editing.Edit();
    p.host.editorText = L"gone";
    p.editing.CancelEdit();
    EXPECT_EQ(p.Texts(0), L"a0|b0|");
    p.host.refuse = "CanEditItem";
    EXPECT_FALSE(p.editing.Edit());
    EXPECT_EQ(p.editing.EditingItem(), -1);
}

TEST(GridProtocols, ACreatedItemLeftEmptyGoesWithoutDeleteNotificationsAndAFilledOneIsAnnounced)
{
    Protocol p({L"a", L"b"});
    p.list.focused = 1;
    ASSERT_TRUE(p.editing.CreateItem(1));
    EXPECT_EQ(p.editing.InsertionItem(), 1);
    EXPECT_EQ(p.model.ItemCount(), 3u);
    p.host.editorText = L"";
    p.editing.EndEdit();
    EXPECT_EQ(p.Take(), "CanInsertItem(1) ");
    EXPECT_EQ(p.Texts(0), L"a0|b0|");
    EXPECT_EQ(p.list.focused, 1) << "the nearest remaining item";

    p.editing.CreateItem(2);
    p.host.editorText = L"c";
    p.editing.EndEdit();
    EXPECT_EQ(p.Take(), "CanInsertItem(2) CanCreateItem(2) OnItemCreated(2) ");
    EXPECT_EQ(p.Texts(0), L"a0|b0|c|");
    EXPECT_EQ(p.editing.InsertionItem(), -1);
}

TEST(GridProtocols, DeletingClearsCellsOfOtherColumnsAndGoesByRangesWhenTheHostAgrees)
{
    Protocol p({L"a", L"b", L"c", L"d", L"e"});
    p.model.SetSelectedColumn(2);
    p.list.selected = {0, 1, 3};
    p.editing.DeleteSelected();
    EXPECT_EQ(p.Take(), "CanProcessMultiple(0) CanDeleteInRanges() CanClearCell(3,2) OnCellCleared(3,2) "
                        "CanClearCellRange(0,1,2) OnCellRangeCleared(0,1,2) OnMultipleProcessed() ");
    EXPECT_EQ(p.Texts(2), L"||c2||e2|");
    EXPECT_EQ(p.model.ItemCount(), 5u);

    p.model.SetSelectedColumn(0);
    p.list.selected = {1, 2, 4};
    p.host.refuse = "CanDeleteInRanges";
    p.editing.DeleteSelected();
    EXPECT_EQ(p.Take(),
              "CanProcessMultiple(0) CanDeleteInRanges() CanDeleteItem(4) OnItemRemoved(4) "
              "CanDeleteItem(2) OnItemRemoved(2) CanDeleteItem(1) OnItemRemoved(1) OnMultipleProcessed() ");
    EXPECT_EQ(p.Texts(0), L"a0|d0|");
    EXPECT_EQ(p.list.selected, std::vector<unsigned>{1})
        << "the last item, as the last selected index is past the end";
}

TEST(GridProtocols, PasteCyclesTheTextsAndAnEmptyTextClearsOnlyCellsThatHoldSomething)
{
    Protocol p({L"a", L"b", L"c", L"d", L"e"}, 2);
    p.model.SetSelectedColumn(1);
    p.list.selected = {0, 1, 2, 3, 4};
    p.editing.Paste({L"1", L"2"});
    EXPECT_EQ(p.Texts(1), L"1|2|1|2|1|");
    EXPECT_EQ(p.Take(),
              "CanProcessMultiple(3) CanChangeCellText(0,1) CanChangeCellText(1,1) CanChangeCellText(2,1) "
              "CanChangeCellText(3,1) CanChangeCellText(4,1) OnMultipleProcessed() ");
    p.model.Column(1).SetItemText(0, L"");
    p.list.selected = {0, 1};
    p.editing.Paste({L""});
    EXPECT_EQ(p.Take(), "CanProcessMultiple(3) CanClearCell(1,1) OnCellCleared(1,1) OnMultipleProcessed() ");
    p.list.selected = {3, 4};
    EXPECT_EQ(p.editing.CopyTexts(), (std::vector<std::wstring>{L"2", L"1"}));
    p.host.handler = false;
    p.list.selected = {3};
    p.editing.Paste({L"x"});
    EXPECT_EQ(p.Texts(1), L"||1|x|1|");
    EXPECT_EQ(p.Take(), "");
}

TEST(GridProtocols, MovingTheCurrentCellStopsAtTheEdgesAndDropsAnItemLeftEmpty)
{
    Protocol p({L"a", L"b"});
    p.list.focused = 1;
    p.list.selected = {1};
    p.model.SetSelectedColumn(2);
    p.editing.Tab(true);
    EXPECT_EQ(p.model.SelectedColumn(), 2u) << "Tab on the last column of the last item does nothing";
    EXPECT_EQ(p.list.focused, 1);
    p.model.SetSelectedColumn(0);
    p.editing.Tab(false);
    EXPECT_EQ(p.list.focused, 0);
    EXPECT_EQ(p.model.SelectedColumn(), 2u);
    p.editing.Tab(true);
    EXPECT_EQ(p.list.focused, 1) << "on from the last column to the next item's first";
    p.editing.Tab(false);
    p.list.selected = {0, 1};
    p.editing.MoveCurrent(-1, 0);
    EXPECT_EQ(p.model.SelectedColumn(), 2u) << "refused while two items are selected";
    p.list.selected = {0};
    p.model.SetSelectedColumn(0);
    p.model.Column(0).SetItemText(0, L"");
    p.editing.MoveCurrent(1, 0);
    EXPECT_EQ(p.model.ItemCount(), 1u);
    EXPECT_EQ(p.Take(), "") << "deleted without a word";
}

TEST(GridProtocols, AHostThatClosesTheGridFromACallStopsTheProtocolThere)
{
    Protocol p({L"a", L"b", L"c"});
    p.list.selected = {0, 1, 2};
    p.host.onCall = [&](std::string const& what)
    {
        if (what == "CanDeleteItemRange(0,2)")
            *p.host.alive = false;
    };
    p.editing.DeleteSelected();
    EXPECT_EQ(p.Take(), "CanProcessMultiple(0) CanDeleteInRanges() CanDeleteItemRange(0,2) ");
    EXPECT_EQ(p.model.ItemCount(), 3u);
}

TEST(GridInput, KeysMapToTheirActionsAndShortcutsStillReachTheList)
{
    struct
    {
        unsigned key;
        bool control, shift, last;
        ListKeyAction action;
        bool passOn;
    } const cases[] = {
        {'C', true, false, false, ListKeyAction::Copy, true},
        {'C', false, false, false, ListKeyAction::None, true},
        {'X', true, false, false, ListKeyAction::Cut, true},
        {'V', true, false, false, ListKeyAction::Paste, true},
        {key::kRight, false, false, false, ListKeyAction::NextColumn, false},
        {key::kReturn, false, false, false, ListKeyAction::Edit, false},
        {'A', false, false, false, ListKeyAction::None, true},
        {key::kInsert, true, false, false, ListKeyAction::Copy, true},
        {key::kInsert, false, true, false, ListKeyAction::Paste, true},
        {key::kInsert, false, false, false, ListKeyAction::CreateAtFocus, false},
        {key::kDelete, false, true, false, ListKeyAction::Cut, true},
        {key::kDelete, false, false, false, ListKeyAction::Delete, false},
        {key::kDown, false, false, true, ListKeyAction::CreateAtEnd, false},
        {key::kDown, false, true, true, ListKeyAction::None, true},
        {key::kTab, false, true, false, ListKeyAction::TabBackward, false},
        {key::kF2, false, false, false, ListKeyAction::Edit, false},
        {key::kCapsLock, false, false, false, ListKeyAction::Swallow, false},
    };
    for (auto const& c : cases)
    {
        ListKey const mapped = MapListKey(c.key, c.control, c.shift, c.last);
        EXPECT_EQ(mapped.action, c.action) << c.key;
        EXPECT_EQ(mapped.passOn, c.passOn) << c.key;
    }
    EXPECT_FALSE(CanListCommand(kCommandPaste, false, 3, 5, true)) << "only with the list focused";
    EXPECT_FALSE(CanListCommand(kCommandPaste, true, 3, 5, false));
    EXPECT_TRUE(CanListCommand(kCommandCopy, true, 1, 1, false));
    EXPECT_FALSE(CanListCommand(kCommandSelectAll, true, 0, 1, false));
    EXPECT_FALSE(CanListCommand(kCommandInsert, true, 1, 5, true));
}

TEST(GridInput, ASecondClickOnTheFocusedCellBeforeTheClickTimerEndsStartsTheEditTimer)
{
    ClickToEdit clicks;
    clicks.ClickedOther(3, 1);
    EXPECT_FALSE(clicks.ClickedFocused(3, 2)) << "another column restarts the click timer";
    EXPECT_TRUE(clicks.ClickedFocused(3, 2));
    EXPECT_TRUE(clicks.EditTimerRunning());
    EXPECT_FALSE(clicks.EditTimerFired(true)) << "not while something is being edited";
    clicks.ClickedOther(4, 0);
    clicks.ClickTimerFired();
    EXPECT_FALSE(clicks.ClickedFocused(4, 0)) << "too late: the click timer had run out";
    EXPECT_TRUE(clicks.ClickedFocused(4, 0));
    EXPECT_TRUE(clicks.EditTimerFired(false));
    clicks.ClickedOther(4, 0);
    clicks.Stop(); // the focus went
    EXPECT_FALSE(clicks.ClickTimerRunning());
}

TEST(GridClipboard, TextsGoThereAndBackAndALyingRecordEndsTheBlock)
{
    std::vector<std::wstring> const texts = {L"one", L"", L"th\u00E9e"};
    std::vector<std::uint8_t> block = EncodeGridTexts(texts);
    EXPECT_EQ(block.size(), 4u + 6 + 4 + 4 + 8);
    EXPECT_EQ(block[0], 6u);
    EXPECT_EQ(DecodeGridTexts(block.data(), block.size()), texts);
    EXPECT_TRUE(EncodeGridTexts({L"single"}).empty()) << "one text goes as plain text only";
    block[10] = 0xFF; // the second record now claims 255 bytes
    EXPECT_EQ(DecodeGridTexts(block.data(), block.size()), std::vector<std::wstring>{L"one"});
    EXPECT_TRUE(DecodeGridTexts(block.data(), 3).empty());
}
} // namespace
