// The image registry: small command images registered once under a 32-bit identifier (in practice the
// command identifier of a menu item or toolbar button) and drawn normal or greyed by menus, toolbars and
// controls that do not own them. Hosts usually go through the CLumoControls facade.
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/ResourceTracker.h"

class LUMO_API CLibraryImages
{
public:
    // The registry of the process, created at the first call.
    static CLibraryImages& Get();
    // Deletes every image and the registry itself; a later Get starts an empty one.
    static void Reset();

    // Registers a private copy of the bitmap (width by height; 0 keeps its own size) and its greyed form.
    // 1 when added; 0 when the identifier is already registered, which keeps the image it has.
    int AddBitmapWithID(UINT identifier, HBITMAP bitmap, int width, int height, COLORREF key);
    // Registers the icon drawn over magenta (the size twice its hot spot); an icon replaces the image of an
    // identifier that is already registered. 0 when the icon cannot be read.
    int AddIconWithID(UINT identifier, HICON icon);
    // Registers the image of every button of a toolbar under the button's command. 0 when the toolbar has
    // no image list or no buttons.
    int LoadImagesFromToolbar(HWND toolbar);

    // 1 and the size for a registered identifier, else 0 with width and height untouched.
    int GetImageSize(UINT identifier, int& width, int& height) const;
    // The registered image (still the registry's), or null.
    HBITMAP BitmapFromID(UINT identifier) const;

    // Draws a bitmap stretched to width by height (0: its own size) with magenta transparent; nothing when
    // x or y is negative.
    void DrawBitmapImage(CDCBase& dc, HBITMAP bitmap, int x, int y, int width, int height);
    // Draws a registered image, its greyed form when disabled is non-zero; nothing for an unknown identifier.
    void DrawBitmapId(CDCBase& dc, UINT identifier, int x, int y, int width, int height, int disabled);

    // A greyed, whitened copy of a bitmap (the caller owns it), or null when it cannot be copied.
    static HBITMAP CreateGrayBitmap(HBITMAP bitmap, COLORREF key);
    // A monochrome mask of the key-coloured pixels (the caller owns it); the key pixels of the bitmap itself
    // become black.
    static HBITMAP CreateBitmapMask(HBITMAP bitmap, COLORREF key);

private:
    struct SEntry;
    struct SState;

    CLibraryImages();
    ~CLibraryImages();
    CLibraryImages(CLibraryImages const&) = delete;
    CLibraryImages& operator=(CLibraryImages const&) = delete;

    SEntry* Find(UINT identifier) const;
    int AddCopy(UINT identifier, HBITMAP copy, COLORREF key);

    SState* m_state;
};

// Greys (grayAmount of 256) and blends (blendAmount of 256 towards blendColor) every pixel of a bitmap that
// is not of the key colour; when the top-left pixel is black, black counts as background and becomes the
// key colour. Returns the top-left pixel after processing.
extern "C" LUMO_API COLORREF C_LibraryImages_MakeGrayAlphablend(HBITMAP bitmap, int grayAmount,
                                                                int blendAmount, COLORREF blendColor,
                                                                COLORREF key);
