// The scaled multiply-divide that the colour and layout arithmetic rounds with: a times b divided by c
// through a 64-bit intermediate, rounded to the nearest integer with halves away from zero. Like the
// platform's own, it gives -1 for a zero divisor or a result outside the 32-bit range, so that both builds
// compute the same colours.
#pragma once

#include <cstdint>

namespace lumo
{
inline int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t divisor = c;
    if (divisor < 0)
    {
        product = -product;
        divisor = -divisor;
    }
    std::int64_t const half = divisor / 2;
    std::int64_t const quotient = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    if (quotient > INT32_MAX || quotient < -INT32_MAX)
        return -1;
    return static_cast<int>(quotient);
}
} // namespace lumo
