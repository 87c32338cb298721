// The text a style writes of what was set on it (the style language): one line per style, items in a
// fixed order, only what is stored on that very object.
#pragma once

#include "LumoControls/TreeGrid/StylePlatform.h"
#include "LumoControls/TreeGrid/StyleTypes.h"

#include <string>

namespace lumo
{
class DrawStyle;
class ObjStyle;
class PaintStyle;
class Style;

// "STATE{items}", or empty when nothing is set on the paint style.
std::wstring DescribePaintStyle(PaintStyle const& paint, IStylePlatform const& platform);
std::wstring DescribeDrawStyle(DrawStyle const& style, IStylePlatform const& platform);
std::wstring DescribeStyle(Style const& style, IStylePlatform const& platform);
std::wstring DescribeObjStyle(ObjStyle const& style, IStylePlatform const& platform);

// The text inside "Font=[...]": face, size, weight, [width,] style words.
std::wstring DescribeFont(FontSpec const& font, IStylePlatform const& platform);

// The hexadecimal digits of a colour value, lower case without leading zeros ("ff" for red, "0" for black).
std::wstring ColorDigits(COLORREF color);
} // namespace lumo
