#include "LumoCtrls/ColorArithmetic.h"

#include "LumoControls/DrawTools/ColorChannels.h"
#include "LumoControls/DrawTools/MulDiv.h"

using lumo::BlueOf;
using lumo::GreenOf;
using lumo::MulDiv;
using lumo::PackColor;
using lumo::RedOf;

namespace
{
constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;

// One channel of HLS2RGB: where the hue h (a 16-bit angle on the 0-240 circle) falls on the piecewise
// linear ramp between m1 and m2. A negative h has wrapped to a large value and lands on m1, which is what
// its true position on the circle gives.
int HueToChannel(int m1, int m2, int hue)
{
    unsigned h = static_cast<std::uint16_t>(hue);
    if (h > kHlsMax)
        h = static_cast<std::uint16_t>(h - kHlsMax);
    int const hs = static_cast<int>(h);
    if (hs < 40)
        return m1 + ((m2 - m1) * hs + 20) / 40;
    if (hs < 120)
        return m2;
    if (hs < 160)
        return m1 + ((m2 - m1) * (160 - hs) + 20) / 40;
    return m1;
}

int ScaleToRgb(int value)
{
    return (value * kRgbMax + kHlsMax / 2) / kHlsMax;
}

// Factors and percents outside their meant ranges are computed as the formulas say, in the 32-bit
// two's-complement arithmetic of the library's 32-bit build: sums and products wrap, divisions truncate.
int Wrapped(std::int64_t value)
{
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

// HLS_TRANSFORM's adjustment of lightness or saturation: towards 255 for a positive percent, towards 0
// for a negative one.
int ApplyPercent(int value, int percent)
{
    if (percent > 0)
        return Wrapped(value + Wrapped(static_cast<std::int64_t>(kRgbMax - value) * percent) / 100) & 0xFF;
    if (percent < 0)
        return (Wrapped(static_cast<std::int64_t>(Wrapped(std::int64_t{percent} + 100)) * value) / 100) &
               0xFF;
    return value;
}
} // namespace

COLORREF DarkenColor(int factor, COLORREF color)
{
    int const keep = Wrapped(std::int64_t{kRgbMax} - factor);
    return PackColor(MulDiv(RedOf(color), keep, kRgbMax), MulDiv(GreenOf(color), keep, kRgbMax),
                     MulDiv(BlueOf(color), keep, kRgbMax));
}

COLORREF LightenColor(int factor, COLORREF color)
{
    auto lighten = [factor](int c)
    { return Wrapped(std::int64_t{c} + MulDiv(kRgbMax - c, factor, kRgbMax)); };
    return PackColor(lighten(RedOf(color)), lighten(GreenOf(color)), lighten(BlueOf(color)));
}

COLORREF MidColor(COLORREF a, COLORREF b)
{
    auto mix = [](int ca, int cb) { return (7 * ca + 3 * cb) / 10; };
    return PackColor(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

COLORREF MixedColor(COLORREF a, COLORREF b)
{
    auto mix = [](int ca, int cb) { return MulDiv(86, ca, 100) + MulDiv(14, cb, 100); };
    return PackColor(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

HLSVALUE RGB2HLS(COLORREF color)
{
    int const r = RedOf(color);
    int const g = GreenOf(color);
    int const b = BlueOf(color);
    int const max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    int const min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    int const sum = max + min;
    int const lightness = (sum * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (max == min)
        return lumo::PackHLS(kHlsMax * 2 / 3, lightness, 0);

    int const delta = max - min;
    int saturation;
    if (lightness <= kHlsMax / 2)
        saturation = (delta * kHlsMax + sum / 2) / sum;
    else
        saturation = (delta * kHlsMax + (2 * kRgbMax - sum) / 2) / (2 * kRgbMax - sum);

    int const halfDelta = delta / 2;
    int const rd = ((max - r) * (kHlsMax / 6) + halfDelta) / delta;
    int const gd = ((max - g) * (kHlsMax / 6) + halfDelta) / delta;
    int const bd = ((max - b) * (kHlsMax / 6) + halfDelta) / delta;

    int hue;
    if (r == max)
        hue = bd - gd;
    else if (g == max)
        hue = kHlsMax / 3 + rd - bd;
    else
        hue = 2 * kHlsMax / 3 + gd - rd;
    if (hue < 0)
        hue += kHlsMax;
    if (hue > kHlsMax)
        hue -= kHlsMax;
    return lumo::PackHLS(hue, lightness, saturation);
}

COLORREF HLS2RGB(HLSVALUE hls)
{
    int const hue = RedOf(hls);
    int const lightness = GreenOf(hls);
    int const saturation = BlueOf(hls);
    if (saturation == 0)
    {
        int const grey = lightness * kRgbMax / kHlsMax;
        return PackColor(grey, grey, grey);
    }
    int const m2 = lightness <= kHlsMax / 2
                       ? (lightness * (kHlsMax + saturation) + kHlsMax / 2) / kHlsMax
                       : lightness + saturation - (lightness * saturation + kHlsMax / 2) / kHlsMax;
    int const m1 = 2 * lightness - m2;
    return PackColor(ScaleToRgb(HueToChannel(m1, m2, hue + kHlsMax / 3)),
                     ScaleToRgb(HueToChannel(m1, m2, hue)),
                     ScaleToRgb(HueToChannel(m1, m2, hue - kHlsMax / 3)));
}

COLORREF HLS_TRANSFORM(COLORREF color, int lightnessPercent, int saturationPercent)
{
    HLSVALUE const hls = RGB2HLS(color);
    int const lightness = ApplyPercent(GreenOf(hls), lightnessPercent);
    int const saturation = ApplyPercent(BlueOf(hls), saturationPercent);
    return HLS2RGB(lumo::PackHLS(RedOf(hls), lightness, saturation));
}
