// The list grid's model: cells, item counts, sorting with the selection, both searches, the escape form,
// with a recording stand-in for the list window.
#include "LumoControls/LumoGrid/GridEscape.h"
#include "LumoControls/LumoGrid/GridModel.h"
#include "native/GridFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

namespace
{
using namespace lumo;

using test::RecordingView;

struct Grid
{
    RecordingView view;
    GridModel model{view, false};

    explicit Grid(std::vector<std::wstring> const& texts = {}, unsigned columns = 1)
    {
        view.model = &model;
        for (unsigned i = 0; i < columns; ++i)
            model.InsertColumn(i);
        model.SetItemCount(static_cast<unsigned>(texts.size()), false);
        for (unsigned i = 0; i < texts.size(); ++i)
            model.Column(0).SetItemText(i, texts[i]);
        view.Take();
    }
    std::vector<std::wstring> Texts(unsigned column = 0) const
    {
        std::vector<std::wstring> texts;
        for (unsigned i = 0; i < model.ItemCount(); ++i)
            texts.push_back(model.Column(column).ItemText(i));
        return texts;
    }
};

TEST(GridSort, OrdersDescendingByDefaultAndCarriesEveryColumnSelectionAndFocus)
{
    Grid grid({L"a", L"", L"b", L"ab", L"B"}, 2);
    for (unsigned i = 0; i < 5; ++i)
        grid.model.Column(1).SetItemText(i, std::to_wstring(i));
    grid.model.SortItems();
    EXPECT_EQ(grid.Texts()[0], L"a") << "without a sort column nothing moves";

    grid.model.SetSortColumn(0);
    grid.view.selected = {0, 3}; // "a" and "ab"
    grid.view.focused = 1;       // "", not selected
    grid.view.Take();
    grid.model.SortItems();
    EXPECT_EQ(grid.Texts(), (std::vector<std::wstring>{L"b", L"ab", L"a", L"B", L""}));
    EXPECT_EQ(grid.Texts(1), (std::vector<std::wstring>{L"2", L"3", L"0", L"4", L"1"}));
    EXPECT_EQ(grid.view.selected, (std::vector<unsigned>{1, 2}));
    EXPECT_EQ(grid.view.focused, 4) << "the focus follows its item and brings no selection";
    EXPECT_EQ(grid.view.Take(), "count5 header0") << "a sort tells the host nothing about the count";

    grid.model.SetSortOrder(false);
    grid.model.SortItems();
    EXPECT_EQ(grid.Texts(), (std::vector<std::wstring>{L"", L"B", L"a", L"ab", L"b"}));
}

TEST(GridSort, KeysSharingTheirFirstUnitsAreOrderedByTheRest)
{
    std::mt19937 random(7);
    std::vector<std::wstring> texts;
    for (int i = 0; i < 3000; ++i)
    {
        std::wstring text = i % 3 ? L"item" : L"it";
        for (int n = random() % 6; n > 0; --n)
            text += static_cast<wchar_t>(L'0' + random() % 3);
        if (i % 7 == 0)
            text += L'\uFFFD'; // above every ASCII unit, still ordinal
        texts.push_back(text);
    }
    Grid grid(texts);
    grid.model.SetSortColumn(0);
    grid.model.SortItems();
    std::sort(texts.begin(), texts.end(), std::greater<>());
    EXPECT_EQ(grid.Texts(), texts);
}

TEST(GridColumns, TheSortAndSelectedColumnsStayOnTheirColumnsAcrossInsertAndRemove)
{
    Grid grid({}, 3);
    grid.model.SetSortColumn(1);
    grid.model.SetSelectedColumn(2);
    EXPECT_EQ(grid.view.Take(), "header0 header0 selected2");
    GridColumn& third = grid.model.Column(2);
    grid.model.InsertColumn(0);
    EXPECT_EQ(grid.model.SortColumn(), 2);
    EXPECT_EQ(grid.model.SelectedColumn(), 3u);
    EXPECT_EQ(grid.model.IndexOf(third), 3u);
    grid.model.RemoveColumn(0);
    EXPECT_EQ(grid.model.SortColumn(), 1);
    grid.model.RemoveColumn(1);
    EXPECT_EQ(grid.model.SortColumn(), -1);
    EXPECT_EQ(grid.view.Take(), "header+0 header-0 header-1");
    grid.model.RemoveColumn(1);
    EXPECT_EQ(grid.model.SelectedColumn(), 0u);
    EXPECT_EQ(grid.view.Take(), "header-1 selected0") << "the selected column went: column 0 takes over";
    Grid other({}, 1);
    EXPECT_EQ(grid.model.IndexOf(other.model.Column(0)), unsigned(-1));
}

TEST(GridItems, CountChangesReachTheListAndTheHostOnceAndBadIndicesChangeNothing)
{
    Grid grid({L"x"}, 2);
    grid.model.SetItemCount(1, false);
    EXPECT_EQ(grid.view.Take(), "");
    grid.model.SetItemCount(1, true);
    EXPECT_EQ(grid.view.Take(), "count1 told1");
    grid.model.SetItemCount(3, false);
    EXPECT_EQ(grid.view.Take(), "count~3 told3");
    grid.model.InsertItem(3, L"end");
    EXPECT_EQ(grid.view.Take(), "count4 cell3/0 told4");
    grid.model.InsertItem(0, L"");
    EXPECT_EQ(grid.Texts(), (std::vector<std::wstring>{L"", L"x", L"", L"", L"end"}));
    EXPECT_EQ(grid.model.Column(1).ItemText(4), L"");
    grid.view.Take();

    EXPECT_THROW(grid.model.InsertItem(6, L"far"), std::out_of_range);
    EXPECT_THROW(grid.model.DeleteItems(4, 2), std::out_of_range);
    EXPECT_THROW(grid.model.Column(1).SetItemText(5, L"no"), std::out_of_range);
    EXPECT_THROW(grid.model.Column(2), std::out_of_range);
    EXPECT_THROW(grid.model.SetSortColumn(2), std::out_of_range);
    EXPECT_EQ(grid.model.ItemCount(), 5u);
    EXPECT_EQ(grid.view.Take(), "");

    EXPECT_EQ(RowNumberDigits(0), 3u) << "room for three digits at least";
    EXPECT_EQ(RowNumberDigits(1000), 4u);
    EXPECT_EQ(RowNumberDigits(123456), 6u);
    grid.model.DeleteItems(1, 3);
    EXPECT_FALSE(grid.model.IsSuppressing());
    EXPECT_EQ(grid.Texts(), (std::vector<std::wstring>{L"", L"end"}));
    grid.model.ListInsertedItem(0); // the list window's own: cells only, nothing told
    grid.model.ListDeletedItem(2);
    EXPECT_EQ(grid.Texts(), (std::vector<std::wstring>{L"", L""}));
    grid.model.DeleteAllItems();
    EXPECT_EQ(grid.view.Take(), "count2 told2 count0 told0");
    EXPECT_EQ(grid.model.Column(1).Cells().Size(), 0u);
    grid.model.DeleteAllColumns();
    EXPECT_EQ(grid.view.Take(), "header-1 header-0");
}

TEST(GridCells, AttributesRepaintOnlyWhenTheyChangeAndTypesFollowTheFlags)
{
    Grid grid({L"same"}, 2);
    GridColumn& column = grid.model.Column(1);
    column.SetItemText(0, L"t", 5);
    column.SetItemText(0, L"t", 9);
    EXPECT_EQ(column.ItemData(0), 5u) << "an unchanged text keeps its data";
    column.SetItemBold(0, true);
    column.SetItemBold(0, true);
    column.SetItemTextColor(0, 0xFF);
    column.SetItemIcon(0, 2);
    column.SetItemIcon(0, 2);
    column.SetItemType(0, GridItemType::Spin);
    EXPECT_EQ(grid.view.Take(), "cell0/1 cell0/1 cell0/1 cell0/1 cell0/1");
    EXPECT_EQ(column.ItemType(0), GridItemType::Spin);
    column.SetItemButton(0, true);
    EXPECT_EQ(column.ItemType(0), GridItemType::Button) << "both flags read as the button";
    column.SetItemType(0, GridItemType::Plain);
    EXPECT_EQ(column.ItemFlags(0), kCellBold);
    column.SetSpinRange(-3, 9);
    column.SetEditOnClick(true);
    column.ShowItemIcons(true);
    EXPECT_EQ(column.SpinLower() + column.SpinUpper() + column.IsEditOnClick() + column.AreItemIconsShown(),
              8);
    column.SetRightToLeft(true);
    column.SetRightToLeft(true);
    EXPECT_EQ(grid.view.Take(), "cell0/1 strip1");
}

TEST(GridCells, LongAndShortTextsSurviveEveryMove)
{
    std::wstring const longText(300, L'z');
    Grid grid({L"1234567", L"12345678", longText, L""});
    grid.model.InsertItem(1, longText + L"!");
    grid.model.SetSortColumn(0);
    grid.model.SortItems();
    EXPECT_EQ(grid.Texts(),
              (std::vector<std::wstring>{longText + L"!", longText, L"12345678", L"1234567", L""}));
}

struct SearchCase
{
    char const* name;
    int start;
    GridFind info;
    int item;
    int position;
};

TEST(GridSearch, FindsByTheRulesOfWholeCaseDirectionPositionAndMarks)
{
    // items: 0 "Alpha beta", 1 "beta", 2 "BETA gamma", 3 "résumé", 4 "Beta"
    Grid grid({L"Alpha beta", L"beta", L"BETA gamma", L"r\u00E9sum\u00C9", L"Beta"});
    SearchCase const cases[] = {
        {"part, any case, down", 0, {L"beta"}, 0, 6},
        {"position 3 holds only in the first cell", 0, {L"al", false, false, false, false, 3}, -1, 0},
        {"later cells start at 0", 0, {L"bet", false, false, false, false, 7}, 1, 0},
        {"case", 0, {L"BETA", false, true}, 2, 0},
        {"whole", 0, {L"beta", true}, 1, 0},
        {"whole with case", 0, {L"Beta", true, true}, 4, 0},
        {"up from the end", 4, {L"beta", false, false, true, false, -1}, 4, 0},
        {"up takes the last occurrence at or before the position",
         0,
         {L"a", false, false, true, false, 9},
         0,
         9},
        {"up stops at item 0", 1, {L"gamma", false, false, true}, -1, -1},
        {"marks count without the flag", 0, {L"resume"}, -1, 0},
        {"marks removed, after lower case", 0, {L"RESUME", false, false, false, true}, 3, 0},
        {"a start past the end", 9, {L"beta"}, -1, 0},
    };
    for (SearchCase c : cases)
    {
        EXPECT_EQ(grid.model.FindItem(c.start, 0, c.info), c.item) << c.name;
        EXPECT_EQ(c.info.position, c.position) << c.name;
    }
    EXPECT_EQ(grid.model.FindExactText(L"beta", 0), 1);
    EXPECT_EQ(grid.model.FindExactText(L"beta", 2), -1);
    EXPECT_EQ(grid.model.FindExactText(L"Beta", 7), -1);
    GridFind stopped{L"Beta", true, true};
    EXPECT_EQ(grid.model.Column(0).FindItem(stopped, 0, 4), -1) << "the stop item is not searched";
}

TEST(GridEscape, EscapesAndUnescapesEveryPairAndTheOddBackslashes)
{
    struct
    {
        wchar_t const* plain;
        wchar_t const* escaped;
    } const pairs[] = {
        {L"a\tb\\", L"a\\tb\\\\"},
        {L"\a\b\f\n\r\t\v", L"\\a\\b\\f\\n\\r\\t\\v"},
        {L"plain", L"plain"},
    };
    for (auto const& pair : pairs)
    {
        std::wstring text = pair.plain;
        FormatGridString(text, true);
        EXPECT_EQ(text, pair.escaped);
        FormatGridString(text, false);
        EXPECT_EQ(text, pair.plain);
    }
    std::wstring odd = L"\\q ends\\";
    FormatGridString(odd, false);
    EXPECT_EQ(odd, L"q ends");
}

TEST(CellSequence, AgreesWithAPlainVectorUnderRandomChanges)
{
    std::mt19937 random(11);
    CellSequence cells;
    std::vector<std::uint32_t> expected; // each cell's data
    std::uint32_t next = 1;
    auto check = [&](int round)
    {
        ASSERT_EQ(cells.Size(), expected.size()) << round;
        for (std::uint32_t i = 0; i < expected.size(); i += 1 + random() % 97)
            ASSERT_EQ(cells.At(i).data, expected[i]) << round << " at " << i;
    };
    for (int round = 0; round < 400; ++round)
    {
        std::uint32_t const size = static_cast<std::uint32_t>(expected.size());
        switch (random() % 5)
        {
        case 0:
        {
            std::uint32_t const grown = size + random() % 3000;
            cells.Resize(grown);
            for (std::uint32_t i = size; i < grown; ++i)
                cells.At(i).data = next, expected.push_back(next++);
            break;
        }
        case 1:
        { // a burst at one place, enough to overfill a block
            std::uint32_t const at = random() % (size + 1);
            for (int n = random() % 1500; n >= 0; --n)
            {
                cells.InsertEmpty(at);
                cells.At(at).data = next;
                expected.insert(expected.begin() + at, next++);
            }
            break;
        }
        case 2:
            if (size > 0)
            {
                std::uint32_t const first = random() % size;
                std::uint32_t const count = random() % std::min<std::uint32_t>(size - first, 2500) + 1;
                cells.Erase(first, count);
                expected.erase(expected.begin() + first, expected.begin() + first + count);
            }
            break;
        case 3:
        {
            std::vector<std::uint32_t> order(size);
            for (std::uint32_t i = 0; i < size; ++i)
                order[i] = i;
            std::shuffle(order.begin(), order.end(), random);
            cells.Reorder(order);
            std::vector<std::uint32_t> reordered;
            for (std::uint32_t from : order)
                reordered.push_back(expected[from]);
            expected = reordered;
            break;
        }
        default:
            cells.Resize(size / 2);
            expected.resize(size / 2);
        }
        check(round);
    }
}

} // namespace
