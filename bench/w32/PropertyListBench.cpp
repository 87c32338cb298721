// The property list at scale: a manager of 10^4 items in 100 categories attached to a list and painted,
// beside the platform's list box holding the same rows as strings. Targets under Wine: attaching within
// 100 ms, a warm repaint within 5 ms.
#include "BenchLines.h"

#include <LumoCtrls/LumoCtrls.h>

#include <string>

namespace
{
constexpr int kCategories = 100;
constexpr int kItemsPerCategory = 100;

void Fill(CPropertyManager& manager)
{
    std::vector<std::wstring> const choices{L"Left", L"Centre", L"Right"};
    for (int c = 0; c < kCategories; ++c)
    {
        void* category = manager.AddCategoryItem(L"Category " + std::to_wstring(c));
        for (int i = 0; i < kItemsPerCategory; ++i)
        {
            std::wstring const name = L"Property " + std::to_wstring(c) + L"." + std::to_wstring(i);
            unsigned const id = static_cast<unsigned>(c * kItemsPerCategory + i);
            switch (i % 4)
            {
            case 0:
                manager.AddEditItem(category, name, id, std::to_wstring(i), false);
                break;
            case 1:
                manager.AddListItem(category, name, choices, id, L"Centre");
                break;
            case 2:
                manager.AddColorItem(category, name, id, COLORREF{0x4080C0});
                break;
            default:
                manager.AddYesNoItem(category, name, id, i % 2 == 0);
                break;
            }
        }
    }
}

double RepaintMs(HWND window)
{
    return bench::MedianMs(
        15, [&](int) { InvalidateRect(window, nullptr, TRUE); },
        [&](int) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASENOW); });
}
} // namespace

int main()
{
    HWND const parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 420, 600, nullptr,
                                        nullptr, nullptr, nullptr);
    CPropertyManager manager;
    Fill(manager);

    // The platform's list box gets its strings before the library's message hooks are installed: under
    // Wine each hooked message costs a trip to the server, which would make the peer take minutes.
    HWND const box =
        CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 0,
                        400, 600, parent, nullptr, nullptr, nullptr);
    double const fill = bench::MedianMs(
        3, [&](int) { SendMessageW(box, LB_RESETCONTENT, 0, 0); },
        [&](int)
        {
            SendMessageW(box, WM_SETREDRAW, FALSE, 0);
            SendMessageW(box, LB_INITSTORAGE, static_cast<WPARAM>(manager.size()), 0);
            for (int i = 0; i < manager.size(); ++i)
                SendMessageW(
                    box, LB_ADDSTRING, 0,
                    reinterpret_cast<LPARAM>(CPropertyItem(manager.GetProperty(i)).GetName().c_str()));
            SendMessageW(box, WM_SETREDRAW, TRUE, 0);
        });
    ShowWindow(box, SW_HIDE);

    CLumoControls::Instance(); // as a host does: the library's hooks are in place while it is measured
    CPropertyListCtrl list;
    list.Create(CWnd(parent), 1);
    list.Resize(RECT{0, 0, 400, 600});

    double const attach = bench::MedianMs(
        5, [&](int) { list = nullptr; }, [&](int) { list = &manager; });
    bench::Line("attach 10^4 items in 100 categories (target 100 ms)", attach,
                "ListBox filled with their names", fill, "ms");

    HWND const rows = FindWindowExW(list.GetWindow(), nullptr, L"PropertyListBoxWnd", nullptr);
    double const ours = RepaintMs(rows);
    ShowWindow(box, SW_SHOW);
    list.Show(false);
    bench::Line("warm repaint of the visible rows (target 5 ms)", ours, "ListBox", RepaintMs(box), "ms");

    list.Destroy();
    DestroyWindow(parent);
    return 0;
}
