#include "Kit/KitGuiLib/w32/Application.h"

#include <algorithm>

CApplication& CApplication::Instance()
{
    static CApplication application;
    return application;
}

void CApplication::AddSupportForAccelerator(HWND window, HACCEL table)
{
    RemoveSupportForAccelerator(window);
    m_entries.push_back(Entry{window, table});
}

void CApplication::RemoveSupportForAccelerator(HWND window)
{
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [&](Entry const& entry) { return entry.window == window; }),
                    m_entries.end());
}

bool CApplication::PreTranslateMessage(MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    for (Entry const& entry : m_entries)
        if (message.hwnd == entry.window || IsChild(entry.window, message.hwnd))
            return TranslateAcceleratorW(entry.window, entry.table, &message) != 0;
    return false;
}
