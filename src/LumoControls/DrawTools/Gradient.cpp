#include "LumoControls/DrawTools/Gradient.h"

#include "LumoControls/DrawTools/ColorChannels.h"
#include "LumoControls/DrawTools/MulDiv.h"
#include "LumoCtrls/ColorArithmetic.h"

#include <cstdint>

namespace
{
constexpr int kBandWidth = 2;

// Offsets along the run are 64-bit: the span of a rectangle from one end of the coordinate range to the
// other does not fit an int, and its bands' edges are kept within the range.
std::int64_t SpanOf(lumo::Rect const& rect, bool horizontal)
{
    return horizontal ? std::int64_t{rect.right} - rect.left : std::int64_t{rect.bottom} - rect.top;
}

int Coordinate(std::int64_t value)
{
    return lumo::Rect::Clamped(value);
}

// The part of the rectangle from offset `from` to offset `to` along the run.
lumo::Rect SliceOf(lumo::Rect const& rect, std::int64_t from, std::int64_t to, bool horizontal)
{
    if (horizontal)
        return lumo::Rect{Coordinate(rect.left + from), rect.top, Coordinate(rect.left + to), rect.bottom};
    return lumo::Rect{rect.left, Coordinate(rect.top + from), rect.right, Coordinate(rect.top + to)};
}

// The band at offset i along the run, spanning the rectangle across it.
lumo::Rect BandAt(lumo::Rect const& rect, std::int64_t i, bool horizontal)
{
    return SliceOf(rect, i, i + kBandWidth, horizontal);
}

// The colour of the band at offset i of a run of n, which may exceed the int range of MulDiv: scaled down
// together, they give the same colour to within the rounding of one step.
COLORREF BandColorAt(COLORREF from, COLORREF to, std::int64_t i, std::int64_t n)
{
    while (n > INT32_MAX)
    {
        i /= 2;
        n /= 2;
    }
    return lumo::BandColor(from, to, static_cast<int>(i), static_cast<int>(n));
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
    std::int64_t const n = SpanOf(rect, horizontal) - kBandWidth;
    for (std::int64_t i = 0; i <= n; i += kBandWidth)
        sink.Fill(BandAt(rect, i, horizontal), BandColorAt(start, end, i, n));
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
    std::int64_t const span = SpanOf(rect, horizontal);
    std::int64_t const boundary = span * 3 / 8;
    if (withGradientFill)
    {
        sink.LinearGradient(SliceOf(rect, 0, boundary, horizontal), colors.first, colors.middle, horizontal);
        sink.LinearGradient(SliceOf(rect, boundary, span, horizontal), colors.second, colors.middle,
                            horizontal);
        return;
    }
    // The bands of the second segment continue the offsets of the first, so their colour runs from the
    // second colour at the near edge rather than at the boundary.
    std::int64_t const n = span - kBandWidth;
    std::int64_t i = 0;
    for (; i <= boundary && i <= n; i += kBandWidth)
        sink.Fill(BandAt(rect, i, horizontal), BandColorAt(colors.first, colors.middle, i, n));
    for (; i <= n; i += kBandWidth)
        sink.Fill(BandAt(rect, i, horizontal), BandColorAt(colors.second, colors.middle, i, n));
}
