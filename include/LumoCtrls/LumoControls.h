// The library facade: one-time initialisation of LumoCtrls.
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/ResourceTracker.h"

class LUMO_API CLumoControls
{
public:
    // The first call initialises the library on the calling thread (the host's user-interface thread):
    // it computes the colour state, copies the system menu font, initialises the common-control classes,
    // registers the library's own window classes and installs the menu hook for this thread. Later calls
    // only return the same object. A failure throws the platform error (CWindowsApiFailed) and leaves the
    // library uninitialised, so that the next call runs the whole sequence again.
    static CLumoControls* Instance();

    bool IsInitialised() const { return m_initialised; }

    // --- Command images (the process-wide image registry; magenta is transparent).

    // Registers a bitmap under a command identifier; an identifier keeps the first image it was given.
    static void AddBitmapWithID(UINT identifier, HBITMAP bitmap, int width, int height);
    // Registers an icon; an icon replaces the image of an identifier already registered.
    static void AddIconWithID(UINT identifier, HICON icon);
    // Registers the image of every button of a toolbar under the button's command.
    static void LoadImagesFromToolbar(HWND toolbar);
    // Writes the size of a registered image; leaves width and height alone otherwise.
    static void GetImageSize(UINT identifier, int& width, int& height);
    static void DrawBitmapImage(CDCBase& dc, HBITMAP bitmap, int x, int y, int width, int height);
    static void DrawBitmapId(CDCBase& dc, UINT identifier, int x, int y, int width, int height, int disabled);
    // The registered image, still owned by the registry; null when there is none.
    static HBITMAP BitmapFromID(UINT identifier);
    // A greyed copy that the caller owns, or null.
    static HBITMAP CreateGrayBitmap(HBITMAP bitmap, COLORREF key);

    // --- Owner-drawn menus (see LumoMenu.h).

    // Registers a menu bar (menuBar non-zero) or pop-up menu of a window, and its sub-menus, for owner
    // drawing; the window gets its subclass once. Returns that subclass (an opaque handle), or null when
    // the window or menu is not valid or the platform refused (the error has then reported itself).
    static void* RegisterMenu(HWND window, HMENU menu, int menuBar);
    // Shows a pop-up menu in the library's style, as the platform's TrackPopupMenu (whose result it
    // returns) but always with the drawing messages; 0 without showing it when it cannot be registered.
    static BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND window);

private:
    CLumoControls() = default;
    CLumoControls(CLumoControls const&) = delete;
    CLumoControls& operator=(CLumoControls const&) = delete;

    static CLumoControls s_library; // the one instance; its address is what Instance returns

    bool m_initialised = false;
};

// Kept for hosts written against the component framework that the library once needed. InitialiseATL
// returns 1 whatever it is given; TerminateATL does nothing.
extern "C" LUMO_API int InitialiseATL(unsigned long reserved);
extern "C" LUMO_API void TerminateATL();
