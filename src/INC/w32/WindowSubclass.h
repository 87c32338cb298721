// A subclass of one window by one of the library's window procedures, that can be taken down in any order.
//
// A window's procedure chain is a list that only its outermost end can edit: when a host subclasses a
// window after the library did, the host's procedure keeps the library's address as "previous" and calls
// it for every message, and the library can no longer take itself out. So the library never puts its own
// address into a chain. It installs a small forwarding stub instead, placed in memory that is not part of
// the library's image:
//
//     window -> [host subclass] -> stub -> CallWindowProcW(target, ...)
//
// While the subclass lives, the stub's target is the library's procedure. Removing it either restores the
// previous procedure (when the stub is still outermost) or retires the stub: its target becomes the
// previous procedure, so the stub passes every message on, and nothing in the chain points into the
// library any longer, even after the library is unloaded. Retired stubs are kept for the life of the
// process (a few dozen bytes each: they stay in some host's chain).
#pragma once

#include <windows.h>

#include "LumoCtrls/LibraryMemory.h"

namespace lumo
{
struct SubclassStub;

class CWindowSubclass : public CLibraryObject
{
public:
    // Puts procedure in front of the window's current procedure. Throws CWindowsApiFailed naming
    // "SetWindowLongPtr" when the window refuses, or "VirtualAlloc" when no stub can be made.
    CWindowSubclass(HWND window, WNDPROC procedure);
    // Removes the subclass (see Remove).
    ~CWindowSubclass();
    CWindowSubclass(CWindowSubclass const&) = delete;
    CWindowSubclass& operator=(CWindowSubclass const&) = delete;

    HWND GetWindow() const { return m_window; }
    // The procedure that was in place before: the library's procedure passes unhandled messages to it.
    WNDPROC GetPrevious() const { return m_previous; }
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return CallWindowProcW(m_previous, m_window, message, wParam, lParam);
    }
    // Whether the library's procedure is still the window's outermost one.
    bool IsOutermost() const;

    // Takes the library's procedure out of the chain: the previous procedure is restored when nobody
    // subclassed the window since, else the stub is retired and forwards to it. Idempotent.
    void Remove() noexcept;

private:
    HWND m_window;
    WNDPROC m_previous;
    SubclassStub* m_stub;
};
} // namespace lumo
