// Reading what a context menu offers without driving its modal loop.
#pragma once

#include <windows.h>

#include <vector>

// While it lives, every pop-up menu that opens on this thread has its items noted (identifier and state)
// as it opens, and is then ended at once, so that the call that opened it returns.
class CPopupMenuWatch
{
public:
    struct Item
    {
        UINT id;
        UINT state; // GetMenuState's answer: MF_CHECKED, MF_GRAYED, ...
    };

    CPopupMenuWatch() : m_hook(SetWindowsHookExW(WH_CALLWNDPROC, &Watch, nullptr, GetCurrentThreadId()))
    {
        s_current = this;
    }
    ~CPopupMenuWatch()
    {
        UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }
    CPopupMenuWatch(CPopupMenuWatch const&) = delete;
    CPopupMenuWatch& operator=(CPopupMenuWatch const&) = delete;

    int Openings() const { return m_openings; }
    // The items of the menu that opened last.
    std::vector<Item> const& Items() const { return m_items; }
    // The state of the item with that identifier in the last menu; ~0u when it has none.
    UINT StateOf(UINT id) const
    {
        for (Item const& item : m_items)
            if (item.id == id)
                return item.state;
        return ~0u;
    }

private:
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam)
    {
        auto const& message = *reinterpret_cast<CWPSTRUCT const*>(lParam);
        if (code == HC_ACTION && message.message == WM_INITMENUPOPUP && s_current != nullptr)
        {
            auto const menu = reinterpret_cast<HMENU>(message.wParam);
            s_current->m_items.clear();
            for (int i = 0; i < GetMenuItemCount(menu); ++i)
                s_current->m_items.push_back(
                    Item{GetMenuItemID(menu, i), GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)});
            ++s_current->m_openings;
            PostMessageW(message.hwnd, WM_CANCELMODE, 0, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    inline static CPopupMenuWatch* s_current = nullptr;
    HHOOK m_hook;
    int m_openings = 0;
    std::vector<Item> m_items;
};
