// The host application object: the keyboard accelerators that windows ask to have translated while they
// have the focus. A host's message loop calls PreTranslateMessage for every message before dispatching it.
#pragma once

#include <windows.h>

#include <vector>

class CApplication
{
public:
    static CApplication& Instance();

    // The table applies to messages for the window and its children until it is removed.
    void AddSupportForAccelerator(HWND window, HACCEL table);
    void RemoveSupportForAccelerator(HWND window);
    // True when the message was an accelerator and has been translated (do not dispatch it).
    bool PreTranslateMessage(MSG& message);

private:
    struct Entry
    {
        HWND window;
        HACCEL table;
    };
    std::vector<Entry> m_entries;
};
