#include "INC/w32/PointFont.h"

LOGFONTW lumo::PointFontDescription(wchar_t const* face, int points, int weight, BYTE pitchAndFamily)
{
    HDC const screen = GetDC(nullptr);
    int const pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW description{};
    description.lfHeight = -MulDiv(points, pixelsPerInch, 72);
    description.lfWeight = weight;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfPitchAndFamily = pitchAndFamily;
    lstrcpynW(description.lfFaceName, face, LF_FACESIZE);
    return description;
}
