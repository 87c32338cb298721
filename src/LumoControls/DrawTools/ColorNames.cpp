#include "LumoCtrls/ColorNames.h"

#include <climits>
#include <cstdint>
#include <iterator>

namespace
{
// A keyword's sRGB value as written in style sheets (#rrggbb) turned into a colour value (0x00bbggrr).
constexpr COLORREF Css(std::uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

SNamedColor const kStandardColors[] = {
    {L"Black", 0x000000},
    {L"Blue", 0xFF0000},
    {L"Cyan (Aqua)", 0xFFFF00},
    {L"Gray", 0x808080},
    {L"Green (Green)", 0x008000},
    {L"Green (Lime)", 0x00FF00},
    {L"LightGray (Silver)", 0xC0C0C0},
    {L"Maroon", 0x000080},
    {L"Navy", 0x800000},
    {L"Olive", 0x008080},
    {L"Purple", 0x800080},
    {L"Red", 0x0000FF},
    {L"Teal", 0x808000},
    {L"Violet (Fuchsia)", 0xFF00FF},
    {L"White", 0xFFFFFF},
    {L"Yellow", 0x00FFFF},
};

SNamedColor const kWebColors[] = {
    {L"None", lumo::kColorNone},
    {L"Transparent", lumo::kColorTransparent},
    {L"Black", Css(0x000000)},
    {L"DimGray", Css(0x696969)},
    {L"Gray", Css(0x808080)},
    {L"DarkGray", Css(0xA9A9A9)},
    {L"Silver", Css(0xC0C0C0)},
    {L"LightGray", Css(0xD3D3D3)},
    {L"Gainsboro", Css(0xDCDCDC)},
    {L"WhiteSmoke", Css(0xF5F5F5)},
    {L"White", Css(0xFFFFFF)},
    {L"RosyBrown", Css(0xBC8F8F)},
    {L"IndianRed", Css(0xCD5C5C)},
    {L"Brown", Css(0xA52A2A)},
    {L"FireBrick", Css(0xB22222)},
    {L"LightCoral", Css(0xF08080)},
    {L"Maroon", Css(0x800000)},
    {L"DarkRed", Css(0x8B0000)},
    {L"Red", Css(0xFF0000)},
    {L"Snow", Css(0xFFFAFA)},
    {L"MistyRose", Css(0xFFE4E1)},
    {L"Salmon", Css(0xFA8072)},
    {L"Tomato", Css(0xFF6347)},
    {L"DarkSalmon", Css(0xE9967A)},
    {L"Coral", Css(0xFF7F50)},
    {L"OrangeRed", Css(0xFF4500)},
    {L"LightSalmon", Css(0xFFA07A)},
    {L"Sienna", Css(0xA0522D)},
    {L"SeaShell", Css(0xFFF5EE)},
    {L"Chocolate", Css(0xD2691E)},
    {L"SaddleBrown", Css(0x8B4513)},
    {L"SandyBrown", Css(0xF4A460)},
    {L"PeachPuff", Css(0xFFDAB9)},
    {L"Peru", Css(0xCD853F)},
    {L"Linen", Css(0xFAF0E6)},
    {L"Bisque", Css(0xFFE4C4)},
    {L"DarkOrange", Css(0xFF8C00)},
    {L"BurlyWood", Css(0xDEB887)},
    {L"Tan", Css(0xD2B48C)},
    {L"AntiqueWhite", Css(0xFAEBD7)},
    {L"NavajoWhite", Css(0xFFDEAD)},
    {L"BlanchedAlmond", Css(0xFFEBCD)},
    {L"PapayaWhip", Css(0xFFEFD5)},
    {L"Moccasin", Css(0xFFE4B5)},
    {L"Orange", Css(0xFFA500)},
    {L"Wheat", Css(0xF5DEB3)},
    {L"OldLace", Css(0xFDF5E6)},
    {L"FloralWhite", Css(0xFFFAF0)},
    {L"DarkGoldenRod", Css(0xB8860B)},
    {L"GoldenRod", Css(0xDAA520)},
    {L"Cornsilk", Css(0xFFF8DC)},
    {L"Gold", Css(0xFFD700)},
    {L"Khaki", Css(0xF0E68C)},
    {L"LemonChiffon", Css(0xFFFACD)},
    {L"PaleGoldenRod", Css(0xEEE8AA)},
    {L"DarkKhaki", Css(0xBDB76B)},
    {L"Beige", Css(0xF5F5DC)},
    {L"LightGoldenRodYellow", Css(0xFAFAD2)},
    {L"Olive", Css(0x808000)},
    {L"Yellow", Css(0xFFFF00)},
    {L"LightYellow", Css(0xFFFFE0)},
    {L"Ivory", Css(0xFFFFF0)},
    {L"OliveDrab", Css(0x6B8E23)},
    {L"YellowGreen", Css(0x9ACD32)},
    {L"DarkOliveGreen", Css(0x556B2F)},
    {L"GreenYellow", Css(0xADFF2F)},
    {L"Chartreuse", Css(0x7FFF00)},
    {L"LawnGreen", Css(0x7CFC00)},
    {L"DarkSeaGreen", Css(0x8FBC8F)},
    {L"ForestGreen", Css(0x228B22)},
    {L"LimeGreen", Css(0x32CD32)},
    {L"LightGreen", Css(0x90EE90)},
    {L"PaleGreen", Css(0x98FB98)},
    {L"DarkGreen", Css(0x006400)},
    {L"Green", Css(0x008000)},
    {L"Lime", Css(0x00FF00)},
    {L"HoneyDew", Css(0xF0FFF0)},
    {L"SeaGreen", Css(0x2E8B57)},
    {L"MediumSeaGreen", Css(0x3CB371)},
    {L"SpringGreen", Css(0x00FF7F)},
    {L"MintCream", Css(0xF5FFFA)},
    {L"MediumSpringGreen", Css(0x00FA9A)},
    {L"MediumAquaMarine", Css(0x66CDAA)},
    {L"Aquamarine", Css(0x7FFFD4)},
    {L"Turquoise", Css(0x40E0D0)},
    {L"LightSeaGreen", Css(0x20B2AA)},
    {L"MediumTurquoise", Css(0x48D1CC)},
    {L"DarkSlateGray", Css(0x2F4F4F)},
    {L"PaleTurquoise", Css(0xAFEEEE)},
    {L"Teal", Css(0x008080)},
    {L"DarkCyan", Css(0x008B8B)},
    {L"Aqua", Css(0x00FFFF)},
    {L"Cyan", Css(0x00FFFF)},
    {L"LightCyan", Css(0xE0FFFF)},
    {L"Azure", Css(0xF0FFFF)},
    {L"DarkTurquoise", Css(0x00CED1)},
    {L"CadetBlue", Css(0x5F9EA0)},
    {L"PowderBlue", Css(0xB0E0E6)},
    {L"LightBlue", Css(0xADD8E6)},
    {L"DeepSkyBlue", Css(0x00BFFF)},
    {L"SkyBlue", Css(0x87CEEB)},
    {L"LightSkyBlue", Css(0x87CEFA)},
    {L"SteelBlue", Css(0x4682B4)},
    {L"AliceBlue", Css(0xF0F8FF)},
    {L"DodgerBlue", Css(0x1E90FF)},
    {L"SlateGray", Css(0x708090)},
    {L"LightSlateGray", Css(0x778899)},
    {L"LightSteelBlue", Css(0xB0C4DE)},
    {L"CornflowerBlue", Css(0x6495ED)},
    {L"RoyalBlue", Css(0x4169E1)},
    {L"MidnightBlue", Css(0x191970)},
    {L"Lavender", Css(0xE6E6FA)},
    {L"Navy", Css(0x000080)},
    {L"DarkBlue", Css(0x00008B)},
    {L"MediumBlue", Css(0x0000CD)},
    {L"Blue", Css(0x0000FF)},
    {L"GhostWhite", Css(0xF8F8FF)},
    {L"SlateBlue", Css(0x6A5ACD)},
    {L"DarkSlateBlue", Css(0x483D8B)},
    {L"MediumSlateBlue", Css(0x7B68EE)},
    {L"MediumPurple", Css(0x9370DB)},
    {L"BlueViolet", Css(0x8A2BE2)},
    {L"Indigo", Css(0x4B0082)},
    {L"DarkOrchid", Css(0x9932CC)},
    {L"DarkViolet", Css(0x9400D3)},
    {L"MediumOrchid", Css(0xBA55D3)},
    {L"Thistle", Css(0xD8BFD8)},
    {L"Plum", Css(0xDDA0DD)},
    {L"Violet", Css(0xEE82EE)},
    {L"Purple", Css(0x800080)},
    {L"DarkMagenta", Css(0x8B008B)},
    {L"Magenta", Css(0xFF00FF)},
    {L"Fuchsia", Css(0xFF00FF)},
    {L"Orchid", Css(0xDA70D6)},
    {L"MediumVioletRed", Css(0xC71585)},
    {L"DeepPink", Css(0xFF1493)},
    {L"HotPink", Css(0xFF69B4)},
    {L"LavenderBlush", Css(0xFFF0F5)},
    {L"PaleVioletRed", Css(0xDB7093)},
    {L"Crimson", Css(0xDC143C)},
    {L"Pink", Css(0xFFC0CB)},
    {L"LightPink", Css(0xFFB6C1)},
};

static_assert(std::size(kStandardColors) == 16, "the standard table has 16 rows");
static_assert(std::size(kWebColors) == 142, "the web table has 142 rows");

// Lower case as the runtime's tolower does in the "C" locale: letters A to Z only, so that a name reads
// the same whatever the host's locale.
wchar_t LowerChar(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text)
        c = LowerChar(c);
    return text;
}

bool IsSpace(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
}

// The leading decimal integer of text, as atoi reads it: white space and a sign first, then digits; no
// digits give 0 and a value beyond the 32-bit range stops at its end.
int LeadingInteger(std::wstring const& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i)
        if (value <= INT_MAX)
            value = value * 10 + (text[i] - L'0');
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

// Whether a table name, lowered, equals an already lowered text; compares in place, since a lookup runs
// over every row.
bool LowerEquals(wchar_t const* tableName, std::wstring const& lowered)
{
    std::size_t i = 0;
    for (; tableName[i] != L'\0'; ++i)
        if (i >= lowered.size() || LowerChar(tableName[i]) != lowered[i])
            return false;
    return i == lowered.size();
}

bool FindByName(SNamedColor const* table, std::size_t count, std::wstring const& lowered, COLORREF& out)
{
    for (std::size_t i = 0; i < count; ++i)
        if (LowerEquals(table[i].name, lowered))
        {
            out = table[i].value;
            return true;
        }
    return false;
}

SNamedColor const* FindByValue(SNamedColor const* table, std::size_t count, COLORREF value)
{
    for (std::size_t i = 0; i < count; ++i)
        if (table[i].value == value)
            return &table[i];
    return nullptr;
}
} // namespace

SNamedColor const* GetStandardColorTable(std::size_t& count)
{
    count = std::size(kStandardColors);
    return kStandardColors;
}

SNamedColor const* GetWebColorTable(std::size_t& count)
{
    count = std::size(kWebColors);
    return kWebColors;
}

bool GetCOLORREFFromName(std::wstring name, COLORREF& out)
{
    if (name == L"ffff0001" || name == L"Transparent")
    {
        out = lumo::kColorTransparent;
        return true;
    }
    if (name == L"ffffffff")
    {
        out = lumo::kColorNone;
        return true;
    }
    if (name.empty())
        name = L"None";

    std::wstring const lowered = Lower(name);
    if (FindByName(kStandardColors, std::size(kStandardColors), lowered, out) ||
        FindByName(kWebColors, std::size(kWebColors), lowered, out))
        return true;

    std::size_t const firstComma = lowered.find(L',');
    std::size_t const secondComma =
        firstComma == std::wstring::npos ? firstComma : lowered.find(L',', firstComma + 1);
    if (secondComma != std::wstring::npos)
    {
        int const red = LeadingInteger(lowered.substr(0, firstComma));
        int const green = LeadingInteger(lowered.substr(firstComma + 1, secondComma - firstComma - 1));
        int const blue = LeadingInteger(lowered.substr(secondComma + 1));
        out = (static_cast<COLORREF>(red) & 0xFF) | (static_cast<COLORREF>(green) & 0xFF) << 8 |
              (static_cast<COLORREF>(blue) & 0xFF) << 16;
        return true;
    }

    if (name.size() == 6)
    {
        COLORREF value = 0;
        bool allHex = true;
        for (wchar_t c : name)
        {
            int const digit = HexDigit(c);
            allHex = allHex && digit >= 0;
            value = value << 4 | static_cast<COLORREF>(digit & 0xF);
        }
        if (allHex)
        {
            out = value;
            return true;
        }
    }
    out = 0;
    return false;
}

std::wstring GetNameFromCOLORREF(COLORREF const& value)
{
    if (value == lumo::kColorNone)
        return L"None";
    SNamedColor const* row = FindByValue(kStandardColors, std::size(kStandardColors), value);
    if (row == nullptr)
        row = FindByValue(kWebColors, std::size(kWebColors), value);
    if (row != nullptr)
        return row->name;
    return std::to_wstring(value & 0xFF) + L", " + std::to_wstring((value >> 8) & 0xFF) + L", " +
           std::to_wstring((value >> 16) & 0xFF);
}
