// A top-level test window whose own procedure records what reaches it, and ends any menu loop as soon as
// the loop goes idle, so that tracking a menu never waits for a user.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class CMenuTestWindow
{
public:
    CMenuTestWindow();
    ~CMenuTestWindow();
    CMenuTestWindow(CMenuTestWindow const&) = delete;
    CMenuTestWindow& operator=(CMenuTestWindow const&) = delete;

    HWND Get() const { return m_window; }
    // Messages that reached the window's own procedure (after any subclass in front of it).
    std::vector<UINT> const& Received() const { return m_received; }
    int CountReceived(UINT message) const;
    void ClearReceived() { m_received.clear(); }

    // Called inside a menu loop, just before the loop is ended.
    void OnMenuIdle(void (*probe)(CMenuTestWindow&)) { m_probe = probe; }
    // Called when the window's own procedure receives the message, before the default processing.
    void OnMessage(UINT message, std::function<void()> action)
    {
        m_actionMessage = message;
        m_action = std::move(action);
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    std::vector<UINT> m_received;
    void (*m_probe)(CMenuTestWindow&) = nullptr;
    UINT m_actionMessage = 0;
    std::function<void()> m_action;
};

// What the platform sends a menu's owner to measure or draw one item; the message's result is kept.
struct SentMeasure
{
    MEASUREITEMSTRUCT item;
    LRESULT result;
};
SentMeasure SendMeasureItem(HWND owner, UINT id, UINT givenHeight = 0, UINT controlType = ODT_MENU);
LRESULT SendDrawItem(HWND owner, HMENU menu, UINT id, UINT state, HDC dc, RECT const& rect);

// A host's own subclass of a window (installed after whatever is there): counts what reaches it and
// passes everything on.
class CHostSubclass
{
public:
    explicit CHostSubclass(HWND window);
    int Calls() const { return s_calls; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static WNDPROC s_previous;
    static int s_calls;
};

// Records the messages sent to one window while it lives, whoever answers them (a thread hook, like the
// library's own).
class CSentMessageRecorder
{
public:
    explicit CSentMessageRecorder(HWND window);
    ~CSentMessageRecorder();
    int Count(UINT message) const;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
};
