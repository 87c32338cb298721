// Between the tree grid's interface types (RECT, POINT, CFont, SBackgroundColor, TPen) and the portable
// style model's.
#pragma once

#include <windows.h>

#include "LumoControls/TreeGrid/StyleTypes.h"
#include "LumoCtrls/TreeGrid.h"

#include <vector>

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

FontSpec FontSpecOf(LOGFONTW const& font);
LOGFONTW LogFontOf(FontSpec const& font);
// The description of a font object; false for an empty one.
bool FontSpecOf(CFont const& font, FontSpec& described);

void CopyBands(std::vector<Band> const& from, std::vector<CTreeGrid::SBackgroundColor>& to);
std::vector<Pen> PensOf(std::vector<CTreeGrid::TPen> const& pens);
std::vector<CTreeGrid::TPen> TPensOf(std::vector<Pen> const& pens);
} // namespace lumo
