// The process-wide colour state that every control paints with, and the colours derived from it.
//
// The state is zero until the library is initialised (CLumoControls::Instance runs RefreshColors, declared
// with the drawing tools); from then on the hint colour is a fixed orange and the theme colours are fixed
// blues. The derived colours are computed on each call, so they follow a later RefreshColors.
#pragma once

#include "LumoCtrls/Export.h"
#include "LumoCtrls/Types.h"

// Sets native mode (no visual-style library at the next RefreshColors) and returns the previous value.
LUMO_API int SetNativeMode(int nativeMode);

// 1 once RefreshColors has run, 0 before.
LUMO_API int IsThemeXPInstalled();

// Whether desktop composition was active at the last RefreshColors (0 in native mode).
LUMO_API int IsAeroVistaActive();

// The orange of hints, hot items and selections: 0x5BC0FF after RefreshColors, 0 before.
LUMO_API COLORREF GetHintColor();

// The library's blues: 0xFFE0CA, its darker 0xE1A171 and lighter 0xFFEFE3.
LUMO_API COLORREF GetThemeColor();
LUMO_API COLORREF GetDarkenThemeColor();
LUMO_API COLORREF GetLightenThemeColor();

// Gradient pairs derived from the hint colour: selection (lighter, darker), hot (much lighter, the hint
// itself) and hot selection (the selection pair swapped).
LUMO_API void GetSelectionColors(COLORREF& first, COLORREF& second);
LUMO_API void GetHotColors(COLORREF& first, COLORREF& second);
LUMO_API void GetHotSelectionColors(COLORREF& first, COLORREF& second);
