// The message boundary of every control's window procedure: errors thrown while a message is handled are
// reported there and never cross into the platform's message dispatch.
//
//     LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
//     {
//         return lumo::DispatchGuarded(window, message, wParam, lParam,
//                                      [&] { return control->OnMessage(message, wParam, lParam); });
//     }
#pragma once

#include <windows.h>

#include "LumoCtrls/Errors.h"

namespace lumo
{
// Runs handle(). A CError thrown by it reports itself; then the creation message returns 0, so that the
// window is still created, and any other message gets its default processing: the result of
// previousProcedure (a subclassed window's former procedure) or of DefWindowProcW when it is null.
template <class Handler>
LRESULT DispatchGuarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Handler&& handle,
                        WNDPROC previousProcedure = nullptr)
{
    try
    {
        return handle();
    }
    catch (CError const& error)
    {
        error.Report();
    }
    if (message == WM_CREATE)
        return 0;
    if (previousProcedure != nullptr)
        return CallWindowProcW(previousProcedure, window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}
} // namespace lumo
