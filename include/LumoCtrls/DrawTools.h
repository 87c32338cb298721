// The drawing tools: refreshing the colour state, filled rectangles, gradients, the colour-keyed bitmap
// copy, the inverted bar and small platform helpers. Optional platform functions (visual styles, the
// gradient fill of msimg32.dll, mouse-leave tracking) are looked up at run time; without them the
// functions fall back to their own ways.
#pragma once

#include <windows.h>

#include "LumoCtrls/Export.h"
#include "LumoCtrls/ResourceTracker.h"
#include "LumoCtrls/ThemeColors.h"

// Recomputes the colour state (the library initialisation, every tree grid and the menus on a settings
// change call it).
LUMO_API void RefreshColors();

// Turns the visual style of a control off, when visual styles are in use.
LUMO_API void RemoveXPThemeOfControl(HWND window);

// Asks for WM_MOUSELEAVE for the window; 0 when the platform offers no tracking.
LUMO_API BOOL TrackMouseLeaveEvent(HWND window);

// 3 on a display of 16 bits per pixel or more, 0 on a palette display (or none).
LUMO_API int GetCountOfColors();

LUMO_API void FillRectColor(CDCBase& dc, RECT const& rect, COLORREF color);

// From start at the left (horizontal non-zero) or top edge to end at the opposite edge.
LUMO_API void DrawGradient(CDCBase& dc, RECT const& rect, COLORREF start, COLORREF end, int horizontal);

// A gradient between two lightnesses of one hue and saturation (HLS, 0 to 240). Mode 1 is one linear run;
// any other mode two segments that meet at 3/8 of the run in a middle colour.
LUMO_API void DrawGradient2(CDCBase& dc, RECT const& rect, int hue, int saturation, int lightness1,
                            int lightness2, int horizontal, int mode);

// DrawGradient2 in the neutral greys of the platform (from 0xF0F0F0 to a darkened button face); hue,
// saturation and lightnesses only give the middle colour of mode 2.
LUMO_API void DrawGradient2NoLumoInterface(CDCBase& dc, RECT const& rect, int hue, int saturation,
                                           int lightness1, int lightness2, int horizontal, int mode);

// Copies width by height pixels of bitmap from (sourceX, sourceY) to (targetX, targetY) of target, leaving
// the target unchanged where the bitmap has the key colour. Draws nothing (and reports nothing) when a
// context or bitmap cannot be created.
LUMO_API void PaintBitmap(HDC target, HBITMAP bitmap, COLORREF key, int sourceX, int sourceY, int targetX,
                          int targetY, int width, int height);

// The LOGFONTW height (negative) of a font of the given size in points on this screen.
LUMO_API int GetRealFontHeight(unsigned points);

// Inverts the rectangle (client coordinates) on the window's own context; twice restores it.
LUMO_API void DrawInvertedColorBar(HWND window, RECT const& rect);

// For tests and diagnostics: whether the gradients use the platform's gradient fill (when it was found at
// load) or the band fallback. Returns the previous setting.
LUMO_API bool EnablePlatformGradientFill(bool enable);

// Whether the platform's gradient fill was found when the library was loaded.
LUMO_API bool HasPlatformGradientFill();
