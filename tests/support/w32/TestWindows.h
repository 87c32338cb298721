// Windows for the controls under test: a parent that goes with its object, message pumping, class names.
#pragma once

#include <windows.h>

#include <string>

// A top-level window for the controls under test to live in, destroyed with the object. A shown one is
// brought to the foreground, so that the controls in it can take the keyboard focus.
class CTestParent
{
public:
    explicit CTestParent(int width, int height, DWORD style = WS_POPUP | WS_VISIBLE)
        : m_window(CreateWindowExW(0, L"STATIC", L"", style, 0, 0, width, height, nullptr, nullptr, nullptr,
                                   nullptr))
    {
        if (style & WS_VISIBLE)
            SetForegroundWindow(m_window);
    }
    ~CTestParent() { DestroyWindow(m_window); }
    CTestParent(CTestParent const&) = delete;
    CTestParent& operator=(CTestParent const&) = delete;

    operator HWND() const { return m_window; }

private:
    HWND m_window;
};

// Dispatches what is queued; with a duration, keeps doing so (timers included) until it has passed.
inline void PumpMessages(DWORD milliseconds = 0)
{
    DWORD const end = GetTickCount() + milliseconds;
    do
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (milliseconds > 0)
            Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

// Dispatches messages until the condition holds or the limit has passed, and says whether it held. Waits
// for something that is due after a delay use this: on a loaded machine timers fire late, never early, so
// a check that something has not happened yet may pump for a fixed time, a check that it has happened not.
template <typename Condition> bool PumpMessagesUntil(Condition condition, DWORD limitMilliseconds = 10000)
{
    DWORD const end = GetTickCount() + limitMilliseconds;
    while (!condition())
    {
        if (static_cast<int>(end - GetTickCount()) <= 0)
            return false;
        PumpMessages(10);
    }
    return true;
}

inline std::wstring ClassOf(HWND window)
{
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}
