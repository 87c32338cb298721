// The list grid at scale, beside the platform's SysListView32 (an ordinary list, redraw off) in the same
// process on the same work, and its sort beside std::sort of the same keys. One line per measure:
//     <measure>: ours <value> <unit>, <peer> <value> <unit>, ratio <theirs/ours>
//
//     grid_bench.exe           100,000 items of 3 columns
//     grid_bench.exe --full    1,000,000 items
#include "BenchLines.h"

#include <LumoCtrls/LumoCtrls.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace
{
using bench::Now;
using bench::PrivateBytes;

constexpr int kColumns = 3;

// Up to seven characters, as short cell texts are: "c" and a number.
std::wstring TextOf(unsigned item, int column)
{
    return (column == 0 ? L"a" : column == 1 ? L"b" : L"c") + std::to_wstring((item * 2654435761u) % 999999);
}

HWND NewListView(HWND parent)
{
    HWND const list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 400, 300, parent,
                                      nullptr, nullptr, nullptr);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (int c = 0; c < kColumns; ++c)
    {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        column.cx = 80;
        SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

void FillListView(HWND list, unsigned count)
{
    for (unsigned i = 0; i < count; ++i)
    {
        std::wstring text = TextOf(i, 0);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = &text[0];
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < kColumns; ++c)
        {
            text = TextOf(i, c);
            item.iSubItem = c;
            item.pszText = &text[0];
            SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
        }
    }
}

void FillGrid(CGrid& grid, unsigned count)
{
    grid.SetItemCount(count, false);
    for (int c = 0; c < kColumns; ++c)
    {
        CGrid::IColumn& column = grid.GetColumn(c);
        for (unsigned i = 0; i < count; ++i)
            column.SetItemText(i, TextOf(i, c));
    }
}

// Every 100th item, deleted from the last to the first as a deletion of scattered selected items goes.
std::vector<int> Scattered(unsigned count, unsigned wanted)
{
    std::vector<int> items;
    for (unsigned i = 0; i < wanted && i * (count / wanted) < count; ++i)
        items.push_back(static_cast<int>(i * (count / wanted) + i % 7));
    std::reverse(items.begin(), items.end());
    return items;
}
} // namespace

int main(int argc, char** argv)
{
    unsigned const n = argc > 1 && std::strcmp(argv[1], "--full") == 0 ? 1000000 : 100000;
    char measure[128];
    CGrid::Register();
    HWND const parent =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    CGrid grid;
    grid.Create(parent, 1, 0, 0, 400, 300, true, nullptr);
    for (int c = 0; c < kColumns; ++c)
        grid.AppendColumn().SetWidth(80);

    long long before = PrivateBytes();
    double start = Now();
    FillGrid(grid, n);
    double const ourFill = Now() - start;
    double const ourBytes = static_cast<double>(PrivateBytes() - before) / n;
    HWND const list = NewListView(parent);
    before = PrivateBytes();
    start = Now();
    FillListView(list, n);
    double const theirFill = Now() - start;
    double const theirBytes = static_cast<double>(PrivateBytes() - before) / n;
    std::snprintf(measure, sizeof(measure), "SetItemCount(%u) and every cell of %d columns set", n, kColumns);
    bench::Line(measure, ourFill, "SysListView32", theirFill, "ms");
    bench::Line("bytes per item, 3 cells of up to 7 characters", ourBytes, "SysListView32", theirBytes,
                "bytes");

    // Searching every item in vain, case-insensitively.
    CGrid::TGridFindInfo info;
    info.text = L"absent";
    start = Now();
    int const found = grid.FindItem(0, &grid.GetColumn(1), info);
    double const ourFind = Now() - start;
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = L"absent";
    start = Now();
    SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
    std::snprintf(measure, sizeof(measure), "FindItem over %u items, not found, any case", n);
    bench::Line(measure, ourFind, "SysListView32", Now() - start, "ms");

    // Sorting by a text column with a selection and a focus to carry, beside std::sort of the same keys;
    // before each run (untimed) the column gets its texts in a new order.
    std::vector<std::wstring> texts;
    texts.reserve(n);
    for (unsigned i = 0; i < n; ++i)
        texts.push_back(TextOf(i, 2));
    std::mt19937 random(5);
    std::vector<std::wstring> keys;
    double const theirSort = bench::MedianMs(
        3,
        [&](int)
        {
            std::shuffle(texts.begin(), texts.end(), random);
            keys = texts;
        },
        [&](int) { std::sort(keys.begin(), keys.end(), std::greater<>()); });
    grid.SetSortColumn(&grid.GetColumn(2));
    double const ourSort = bench::MedianMs(
        3,
        [&](int)
        {
            std::shuffle(texts.begin(), texts.end(), random);
            for (unsigned i = 0; i < n; ++i)
                grid.GetColumn(2).SetItemText(i, texts[i]);
            grid.SelectItemsList({1, n / 3, n / 2, n - 1});
            grid.SetFocusedItem(static_cast<int>(n / 2));
        },
        [&](int) { grid.SortItems(); });
    std::snprintf(measure, sizeof(measure), "SortItems of %u items by text, selection and focus kept", n);
    bench::Line(measure, ourSort, "std::sort", theirSort, "ms");

    // Deleting scattered items one by one, then everything.
    std::vector<int> const scattered = Scattered(n, n / 100);
    start = Now();
    for (int item : scattered)
        grid.DeleteItem(item);
    double const ourScattered = Now() - start;
    start = Now();
    for (int item : scattered)
        SendMessageW(list, LVM_DELETEITEM, item, 0);
    std::snprintf(measure, sizeof(measure), "DeleteItem of %zu scattered items of %u, last first",
                  scattered.size(), n);
    bench::Line(measure, ourScattered, "SysListView32", Now() - start, "ms");

    start = Now();
    grid.DeleteAllItems();
    double const ourClear = Now() - start;
    // The peer's delete-all is quadratic (156 s at a million items): waited for only at the smaller size.
    double theirClear = -1;
    if (n <= 100000)
    {
        start = Now();
        SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
        theirClear = Now() - start;
    }
    std::snprintf(measure, sizeof(measure), "DeleteAllItems of %zu items", n - scattered.size());
    bench::Line(measure, ourClear, "SysListView32", theirClear, "ms");

    grid.Destroy();
    DestroyWindow(parent);
    CGrid::Unregister();
    return found == -1 ? 0 : 1;
}
