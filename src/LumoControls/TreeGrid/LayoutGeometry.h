// Rectangle arithmetic of the tree grid's layout: right and bottom are exclusive, as the platform's.
#pragma once

#include "LumoCtrls/Types.h"

#include <algorithm>

namespace lumo
{
constexpr bool IsEmpty(Rect const& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

constexpr bool Contains(Rect const& r, Point p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

constexpr Rect Shifted(Rect const& r, int dx, int dy)
{
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Grows bounds to take in r.
inline void Include(Rect& bounds, Rect const& r)
{
    bounds.left = std::min(bounds.left, r.left);
    bounds.top = std::min(bounds.top, r.top);
    bounds.right = std::max(bounds.right, r.right);
    bounds.bottom = std::max(bounds.bottom, r.bottom);
}
} // namespace lumo
