// libFuzzer target: the seven exported colour functions with arbitrary integers. UBSan (built to stop at
// the first report) checks that out-of-range factors, percents and HLS values are computed without
// undefined behaviour; every result must keep its top byte clear, and HLS values stay on their scale.
#include "LumoCtrls/ColorArithmetic.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
void Require(bool holds)
{
    if (!holds)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    std::uint32_t values[4] = {};
    std::memcpy(values, data, size < sizeof(values) ? size : sizeof(values));
    COLORREF const a = values[0];
    COLORREF const b = values[1];
    auto const first = static_cast<int>(values[2]);
    auto const second = static_cast<int>(values[3]);

    Require(DarkenColor(first, a) >> 24 == 0);
    Require(LightenColor(first, a) >> 24 == 0);
    Require(MidColor(a, b) >> 24 == 0);
    Require(MixedColor(a, b) >> 24 == 0);
    HLSVALUE const hls = RGB2HLS(a);
    Require(hls >> 24 == 0 && (hls & 0xFF) <= 240 && ((hls >> 8) & 0xFF) <= 240 &&
            ((hls >> 16) & 0xFF) <= 240);
    Require(HLS2RGB(b) >> 24 == 0);
    Require(HLS_TRANSFORM(a, first, second) >> 24 == 0);
    return 0;
}
