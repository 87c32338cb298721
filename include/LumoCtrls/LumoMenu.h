// Owner-drawn menus: a window's menu bar or pop-up menus painted in the library's style (a shaded image
// column with the command's registered image, a hint-coloured selection, drawn check marks, radio dots
// and sub-menu arrows, thin borders on the pop-up windows).
//
// Menus work on the thread that initialised the library (CLumoControls::Instance), whose menu windows the
// library watches. The host keeps its menus; the library only changes their items to owner-drawn while
// they are registered and gives them back as they were.
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"

class LUMO_API CLumoMenu
{
public:
    // Subclasses the window (once per window) and registers the menu and its sub-menus; menuBar is
    // non-zero for the window's menu bar. Platform failures throw CWindowsApiFailed.
    CLumoMenu(HWND window, HMENU menu, int menuBar);
    // Removes the subclass and every menu registered for its window.
    ~CLumoMenu();
    CLumoMenu(CLumoMenu const&) = delete;
    CLumoMenu& operator=(CLumoMenu const&) = delete;

    // Kept for hosts that call it; menus are unregistered by the destructor.
    static void Unregister();

private:
    // The window's subclass (shared by every menu of that window), named by the window and the subclass's
    // generation: when the window goes first and another subclass later takes its handle or its memory,
    // this object's end leaves that one alone.
    HWND m_window;
    unsigned long long m_generation;
};
