// Between the tree grid's interface types (RECT, POINT, CFont, SBackgroundColor, TPen) and the portable
// style model's.
#pragma once

#include <windows.h>

#include "INC/w32/Geometry.h"
#include "LumoControls/TreeGrid/StyleTypes.h"
#include "LumoCtrls/TreeGrid.h"

#include <vector>

namespace lumo
{
FontSpec FontSpecOf(LOGFONTW const& font);
LOGFONTW LogFontOf(FontSpec const& font);
// The description of a font object; false for an empty one.
bool FontSpecOf(CFont const& font, FontSpec& described);

void CopyBands(std::vector<Band> const& from, std::vector<CTreeGrid::SBackgroundColor>& to);
std::vector<Pen> PensOf(std::vector<CTreeGrid::TPen> const& pens);
std::vector<CTreeGrid::TPen> TPensOf(std::vector<Pen> const& pens);
} // namespace lumo
