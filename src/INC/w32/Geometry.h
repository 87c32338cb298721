// Between the platform's RECT and POINT and the portable core's Rect and Point.
#pragma once

#include <windows.h>

#include "LumoCtrls/Types.h"

namespace lumo
{
inline Rect FromRECT(RECT const& rect)
{
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}
inline RECT ToRECT(Rect const& rect)
{
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}
inline Point FromPOINT(POINT const& point)
{
    return Point{point.x, point.y};
}
inline POINT ToPOINT(Point const& point)
{
    return POINT{point.x, point.y};
}
} // namespace lumo
