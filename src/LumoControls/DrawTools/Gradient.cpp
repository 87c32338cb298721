#include "LumoControls/DrawTools/Gradient.h"

#include "LumoControls/DrawTools/ColorChannels.h"
#include "LumoControls/DrawTools/MulDiv.h"
#include "LumoCtrls/ColorArithmetic.h"

namespace
{
constexpr int kBandWidth = 2;

int SpanOf(lumo::Rect const& rect, bool horizontal)
{
    return horizontal ? rect.Width() : rect.Height();
}

// The band at offset i along the run, spanning the rectangle across it.
lumo::Rect BandAt(lumo::Rect const& rect, int i, bool horizontal)
{
    if (horizontal)
        return lumo::Rect{rect.left + i, rect.top, rect.left + i + kBandWidth, rect.bottom};
    return lumo::Rect{rect.left, rect.top + i, rect.right, rect.top + i + kBandWidth};
}

// The part of the rectangle from offset `from` to offset `to` along the run.
lumo::Rect SliceOf(lumo::Rect const& rect, int from, int to, bool horizontal)
{
    if (horizontal)
        return lumo::Rect{rect.left + from, rect.top, rect.left + to, rect.bottom};
    return lumo::Rect{rect.left, rect.top + from, rect.right, rect.top + to};
}
} // namespace

COLORREF lumo::BandColor(COLORREF from, COLORREF to, int i, int n)
{
    if (n == 0)
        return from & 0xFFFFFF;
    auto channel = [&](int f, int t) { return f + MulDiv(t - f, i, n); };
    return PackColor(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                     channel(BlueOf(from), BlueOf(to)));
}

void lumo::PlanGradient(IGradientSink& sink, Rect const& rect, COLORREF start, COLORREF end, bool horizontal,
                        bool withGradientFill)
{
    if (withGradientFill)
    {
        sink.LinearGradient(rect, start, end, horizontal);
        return;
    }
    sink.Fill(rect, end);
    int const n = SpanOf(rect, horizontal) - kBandWidth;
    for (int i = 0; i <= n; i += kBandWidth)
        sink.Fill(BandAt(rect, i, horizontal), BandColor(start, end, i, n));
}

lumo::GradientColors lumo::HlsGradientColors(int hue, int saturation, int lightness1, int lightness2)
{
    GradientColors colors;
    colors.first = HLS2RGB(PackHLS(hue, lightness1, saturation));
    colors.second = HLS2RGB(PackHLS(hue, lightness2, saturation));
    colors.middle = HLS2RGB(PackHLS((hue + 4) & 0xFF, (lightness1 + lightness2) / 2, saturation));
    return colors;
}

void lumo::PlanTwoSegmentGradient(IGradientSink& sink, Rect const& rect, GradientColors const& colors,
                                  bool horizontal, int mode, bool withGradientFill)
{
    if (mode == 1)
    {
        PlanGradient(sink, rect, colors.first, colors.second, horizontal, withGradientFill);
        return;
    }
    sink.Fill(rect, colors.second);
    int const span = SpanOf(rect, horizontal);
    int const boundary = span * 3 / 8;
    if (withGradientFill)
    {
        sink.LinearGradient(SliceOf(rect, 0, boundary, horizontal), colors.first, colors.middle, horizontal);
        sink.LinearGradient(SliceOf(rect, boundary, span, horizontal), colors.second, colors.middle,
                            horizontal);
        return;
    }
    // The bands of the second segment continue the offsets of the first, so their colour runs from the
    // second colour at the near edge rather than at the boundary.
    int const n = span - kBandWidth;
    int i = 0;
    for (; i <= boundary && i <= n; i += kBandWidth)
        sink.Fill(BandAt(rect, i, horizontal), BandColor(colors.first, colors.middle, i, n));
    for (; i <= n; i += kBandWidth)
        sink.Fill(BandAt(rect, i, horizontal), BandColor(colors.second, colors.middle, i, n));
}
