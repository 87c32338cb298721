// The message boundary of every window procedure of the library: exceptions thrown while a message is
// handled are reported there and never cross into the platform's message dispatch.
//
//     LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
//     {
//         return lumo::DispatchGuarded(window, message, wParam, lParam,
//                                      [&] { return control->OnMessage(message, wParam, lParam); });
//     }
#pragma once

#include <windows.h>

#include "Kit/KitGuiLib/CurrentException.h"

namespace lumo
{
// Runs handle(). Whatever it throws is reported (a CError reports itself; anything else, such as
// std::bad_alloc, as one line); then the creation message returns 0, so that the window is still created,
// and any other message gets its default processing: the result of previousProcedure (a subclassed
// window's former procedure) or of DefWindowProcW when it is null.
template <class Handler>
LRESULT DispatchGuarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Handler&& handle,
                        WNDPROC previousProcedure = nullptr)
{
    try
    {
        return handle();
    }
    catch (...)
    {
        ReportCurrentException();
    }
    if (message == WM_CREATE)
        return 0;
    if (previousProcedure != nullptr)
        return CallWindowProcW(previousProcedure, window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}
} // namespace lumo
