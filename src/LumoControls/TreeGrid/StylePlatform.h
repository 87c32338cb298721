// What the styles ask of the platform: the Win32 side answers with the real calls, native tests with
// fixed values.
#pragma once

#include "LumoControls/TreeGrid/StyleTypes.h"

namespace lumo
{
class IStylePlatform
{
public:
    virtual ~IStylePlatform() = default;
    // GetSysColor of a system colour index.
    virtual COLORREF SystemColor(int index) const = 0;
    // The screen's vertical resolution (LOGPIXELSY), for font sizes in points.
    virtual int PixelsPerInchY() const = 0;
    // Whether desktop composition was active at the last colour refresh (IsAeroVistaActive).
    virtual bool IsCompositionActive() const = 0;
    // The font every tree grid shares (a paint style's Reset copies it).
    virtual FontSpec SharedFont() const = 0;
};

// System colour indexes the styles read.
constexpr int kSysColorHighlightText = 14; // COLOR_HIGHLIGHTTEXT
constexpr int kSysColorMenuHighlight = 29; // COLOR_MENUHILIGHT
} // namespace lumo
