// How the library's gradients are laid out, independent of who paints them.
//
// A gradient is planned as a sequence of fills and linear gradient rectangles handed to an IGradientSink:
// with the platform's gradient fill the plan uses linear rectangles; without it, solid bands two pixels
// wide whose colours step along the run. Both plans come out of this one place, so that the two ways look
// alike and are tested alike.
#pragma once

#include "LumoCtrls/Types.h"

namespace lumo
{
class IGradientSink
{
public:
    virtual ~IGradientSink() = default;
    virtual void Fill(Rect const& rect, COLORREF color) = 0;
    // A linear gradient from `from` at the near edge (left when horizontal, else top) to `to` at the far one.
    virtual void LinearGradient(Rect const& rect, COLORREF from, COLORREF to, bool horizontal) = 0;
};

// The colour of a band at offset i of a run of n: each channel from + MulDiv(to - from, i, n), low byte
// kept; a run of 0 takes `from`.
COLORREF BandColor(COLORREF from, COLORREF to, int i, int n);

// start at the near edge, end at the far edge.
void PlanGradient(IGradientSink& sink, Rect const& rect, COLORREF start, COLORREF end, bool horizontal,
                  bool withGradientFill);

// The two colours of an HLS gradient pair (hue and saturation shared), and its middle colour.
struct GradientColors
{
    COLORREF first;
    COLORREF second;
    COLORREF middle;
};
GradientColors HlsGradientColors(int hue, int saturation, int lightness1, int lightness2);

// Mode 1: one run from first to second. Any other mode: two segments meeting at 3/8 of the run, each
// running towards the middle colour.
void PlanTwoSegmentGradient(IGradientSink& sink, Rect const& rect, GradientColors const& colors,
                            bool horizontal, int mode, bool withGradientFill);
} // namespace lumo
