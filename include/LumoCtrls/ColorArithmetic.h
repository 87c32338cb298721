// Colour arithmetic: pure functions of their arguments, cheap enough to call for every painted band.
//
// A colour value holds red in bits 0-7, green in 8-15 and blue in 16-23; the functions read only those
// bytes and return the top byte as zero. Out-of-range arguments (a factor outside 0-255, a percent outside
// -100..100, an HLS component above 240) are computed as the formulas say and only the low byte of each
// channel is kept.
#pragma once

#include "LumoCtrls/Export.h"
#include "LumoCtrls/Types.h"

extern "C"
{

    // Each channel c becomes MulDiv(c, 255 - factor, 255): 0 keeps the colour, 255 gives black.
    LUMO_API COLORREF DarkenColor(int factor, COLORREF color);

    // Each channel c becomes c + MulDiv(255 - c, factor, 255): 0 keeps the colour, 255 gives white.
    LUMO_API COLORREF LightenColor(int factor, COLORREF color);

    // 70 % of a and 30 % of b per channel, truncated.
    LUMO_API COLORREF MidColor(COLORREF a, COLORREF b);

    // 86 % of a and 14 % of b per channel, each term rounded by itself.
    LUMO_API COLORREF MixedColor(COLORREF a, COLORREF b);

    // Hue, lightness and saturation on the 0-240 scale; a grey has hue 160.
    LUMO_API HLSVALUE RGB2HLS(COLORREF color);
    LUMO_API COLORREF HLS2RGB(HLSVALUE hls);

    // Raises (positive percent, towards 255) or lowers (negative, towards 0) lightness and saturation of a
    // colour in HLS space, keeping its hue.
    LUMO_API COLORREF HLS_TRANSFORM(COLORREF color, int lightnessPercent, int saturationPercent);

} // extern "C"
