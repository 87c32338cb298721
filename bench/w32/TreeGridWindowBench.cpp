// The tree grid's window at scale: a shown 800 by 600 grid of one column beside a shown SysTreeView32 of
// the same size, on the same work (medians of five runs where a run can be repeated). The peer's slowest
// work (one-by-one inserts and expanding a thousand parents, tens of seconds under Wine) runs with --full.
//
//     treegrid_window_bench.exe [--full]
#include "BenchLines.h"
#include "w32/GuiObjectCounter.h"

#include <LumoCtrls/LumoCtrls.h>

#include <commctrl.h>

#include <cstring>
#include <random>

namespace
{
using bench::MedianMs;
using bench::Now;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr std::size_t kRows = 1000000;

void Line(char const* measure, double ours, double theirs, char const* unit)
{
    bench::Line(measure, ours, "SysTreeView32", theirs, unit);
}

HWND NewParent()
{
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                           nullptr, nullptr);
}

void Pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

// --- Ours

struct Grid
{
    HWND parent = NewParent();
    CTreeGrid grid;

    Grid()
    {
        grid.Create(CWnd(parent));
        grid.Resize(RECT{0, 0, kWidth, kHeight});
        grid.InsertColumn(0, L"column", 200);
        grid.Show(true);
    }
    ~Grid() { DestroyWindow(parent); }
};

// --- The peer

HWND NewTreeView(HWND parent)
{
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    return CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, 0, 0, kWidth,
                           kHeight, parent, nullptr, nullptr, nullptr);
}

HTREEITEM InsertItem(HWND tree, HTREEITEM parent)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(L"item");
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

// A shown tree view of count top-level items, filled with its redraw off.
HWND FilledTreeView(HWND parent, std::size_t count, HTREEITEM& first, HTREEITEM& last)
{
    HWND const tree = NewTreeView(parent);
    SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
    for (std::size_t i = 0; i < count; ++i)
    {
        last = InsertItem(tree, TVI_ROOT);
        if (i == 0)
            first = last;
    }
    SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    UpdateWindow(tree);
    return tree;
}
} // namespace

int main(int argc, char** argv)
{
    bool const full = argc > 1 && std::strcmp(argv[1], "--full") == 0;

    // A million rows, shown: scrolling into view, to the end, and hit testing.
    {
        Grid ours;
        ours.grid.SetLockedUpdate(true);
        for (std::size_t i = 0; i < kRows; ++i)
            ours.grid.AddNode(nullptr);
        ours.grid.SetLockedUpdate(false);
        ours.grid.Refresh();
        UpdateWindow(ours.grid.GetWindow());
        CTreeGrid::ICell& last = *ours.grid.GetLastSiblingNode()->GetCell(ours.grid.GetColumn(0));

        HWND const peerParent = NewParent();
        HTREEITEM first = nullptr;
        HTREEITEM lastItem = nullptr;
        HWND const tree = FilledTreeView(peerParent, kRows, first, lastItem);

        double const ourEnsure = MedianMs(
            5, [&](int) { ours.grid.SetVerticalScrollPosition(0); },
            [&](int) { ours.grid.EnsureVisible(last); });
        double const theirEnsure = MedianMs(
            5, [&](int) { SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(first)); },
            [&](int) { SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(lastItem)); });
        Line("EnsureVisible of the last node, 10^6 nodes", ourEnsure, theirEnsure, "ms");

        double const ourEnd = MedianMs(
            5, [&](int) { ours.grid.SetVerticalScrollPosition(0); },
            [&](int) { ours.grid.SetVerticalScrollPosition(1 << 30); });
        double const theirEnd = MedianMs(
            5, [&](int) { SendMessageW(tree, WM_VSCROLL, SB_TOP, 0); },
            [&](int) { SendMessageW(tree, WM_VSCROLL, SB_BOTTOM, 0); });
        Line("SetVerticalScrollPosition to the end, 10^6 nodes", ourEnd, theirEnd, "ms");

        std::mt19937 random(7);
        std::vector<POINT> points(1000);
        for (POINT& p : points)
            p = POINT{static_cast<LONG>(random() % kWidth), static_cast<LONG>(random() % kHeight)};
        double start = Now();
        for (POINT const& p : points)
        {
            CTreeGrid::IColumn* column = nullptr;
            CTreeGrid::INode* node = nullptr;
            CTreeGrid::IFloatControl* control = nullptr;
            ours.grid.HitTest(p, column, node, control);
        }
        double const ourHit = (Now() - start) * 1000 / static_cast<double>(points.size());
        start = Now();
        for (POINT const& p : points)
        {
            TVHITTESTINFO hit{p, 0, nullptr};
            SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        }
        Line("HitTest anywhere, 10^6 nodes (per call)", ourHit,
             (Now() - start) * 1000 / static_cast<double>(points.size()), "us");
        ShowWindow(peerParent, SW_HIDE); // destroying a million items takes minutes: the process ends with it
    }

    // Expanding a thousand parents of a hundred children each, one by one.
    {
        Grid ours;
        ours.grid.SetTreeColumn(&ours.grid.GetColumn(0));
        std::vector<CTreeGrid::INode*> parents;
        for (int p = 0; p < 1000; ++p)
        {
            parents.push_back(ours.grid.AddNode(nullptr));
            for (int c = 0; c < 100; ++c)
                ours.grid.AddNode(parents.back());
        }
        UpdateWindow(ours.grid.GetWindow());
        double start = Now();
        for (CTreeGrid::INode* parent : parents)
            parent->SetExpanded(true);
        UpdateWindow(ours.grid.GetWindow());
        double const ourExpand = Now() - start;
        double theirExpand = -1;
        if (full)
        {
            HWND const peerParent = NewParent();
            HWND const tree = NewTreeView(peerParent);
            std::vector<HTREEITEM> items;
            for (int p = 0; p < 1000; ++p)
            {
                items.push_back(InsertItem(tree, TVI_ROOT));
                for (int c = 0; c < 100; ++c)
                    InsertItem(tree, items.back());
            }
            UpdateWindow(tree);
            start = Now();
            for (HTREEITEM item : items)
                SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
            UpdateWindow(tree);
            theirExpand = Now() - start;
            ShowWindow(peerParent, SW_HIDE);
        }
        Line("expand all of 1,000 parents x 100 children, one by one", ourExpand, theirExpand, "ms");
    }

    // Inserting one by one into the shown grid.
    {
        Grid ours;
        double start = Now();
        for (int i = 0; i < 10000; ++i)
            ours.grid.AddNode(nullptr);
        UpdateWindow(ours.grid.GetWindow());
        double const ourInserts = Now() - start;
        double theirInserts = -1;
        if (full)
        {
            HWND const peerParent = NewParent();
            HWND const tree = NewTreeView(peerParent);
            start = Now();
            for (int i = 0; i < 10000; ++i)
                InsertItem(tree, TVI_ROOT);
            UpdateWindow(tree);
            theirInserts = Now() - start;
            ShowWindow(peerParent, SW_HIDE);
        }
        Line("10^4 AddNode one by one into the shown grid", ourInserts, theirInserts, "ms");
        Pump();
    }

    // A million inserts into the shown grid, against the same work with its update locked.
    {
        double times[2] = {};
        for (bool locked : {true, false})
        {
            Grid ours;
            ours.grid.SetLockedUpdate(locked);
            double const start = Now();
            for (std::size_t i = 0; i < kRows; ++i)
                ours.grid.AddNode(nullptr);
            if (locked)
            {
                ours.grid.SetLockedUpdate(false);
                ours.grid.Refresh();
            }
            UpdateWindow(ours.grid.GetWindow());
            times[locked ? 1 : 0] = Now() - start;
        }
        bench::Line("10^6 AddNode one by one into the shown grid", times[0], "the same locked", times[1],
                    "ms");
    }
    // Repainting a shown grid of five columns, warm: the cost follows the page, not the rows.
    {
        auto repaintMs = [](HWND window)
        {
            return MedianMs(
                21, [](int) {},
                [window](int) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
        };
        double ours[2] = {};
        std::size_t const sizes[2] = {1000, kRows};
        for (int s = 0; s < 2; ++s)
        {
            Grid grid;
            for (unsigned c = 1; c < 5; ++c)
                grid.grid.InsertColumn(c, L"column", 150);
            grid.grid.SetLockedUpdate(true);
            for (std::size_t i = 0; i < sizes[s]; ++i)
                grid.grid.AddNode(nullptr);
            grid.grid.SetLockedUpdate(false);
            grid.grid.Refresh();
            grid.grid.SetVerticalScrollPosition(static_cast<int>(sizes[s] / 2) * 10);
            CTreeGrid::INode* const bottom = grid.grid.GetBottomVisibleNode();
            for (CTreeGrid::INode* node = grid.grid.GetTopVisibleNode(); node != nullptr;
                 node = node == bottom ? nullptr : grid.grid.GetNextSiblingNode(*node))
                for (unsigned c = 0; c < 5; ++c)
                    node->GetCell(grid.grid.GetColumn(c))->SetText(L"cell text");
            repaintMs(grid.grid.GetWindow()); // warm
            ours[s] = repaintMs(grid.grid.GetWindow());
            if (s == 1)
            {
                // Objects after many repaints and scrolls.
                int const repaints = full ? 10000 : 1000;
                GuiObjectCounts const before = CountGuiObjects();
                for (int i = 0; i < repaints; ++i)
                {
                    RedrawWindow(grid.grid.GetWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                    if (i % 10 == 0)
                        SendMessageW(grid.grid.GetWindow(), WM_VSCROLL, i % 20 == 0 ? SB_PAGEDOWN : SB_PAGEUP,
                                     0);
                }
                GuiObjectCounts const after = CountGuiObjects();
                char measure[128];
                std::snprintf(measure, sizeof(measure),
                              "GDI and USER objects added by %d repaints and %d scrolls", repaints,
                              repaints / 10);
                bench::Line(measure, (after.gdi - before.gdi) + (after.user - before.user),
                            "objects held before", before.gdi + before.user, "objects");
            }
        }
        HWND const peerParent = NewParent();
        HTREEITEM first = nullptr;
        HTREEITEM last = nullptr;
        HWND const tree = FilledTreeView(peerParent, kRows, first, last);
        repaintMs(tree);
        Line("warm full repaint, 10^6 nodes, 5 columns, 800 x 600", ours[1], repaintMs(tree), "ms");
        bench::Line("warm full repaint, 10^6 nodes against 10^3", ours[1], "the same at 10^3", ours[0], "ms");
        ShowWindow(peerParent, SW_HIDE);
    }

    // The peers' windows would take minutes to destroy: the process ends without it.
    TerminateProcess(GetCurrentProcess(), 0);
    return 0;
}
