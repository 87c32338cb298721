// Colour values as text: names from the standard and web tables, the two special values, six hexadecimal
// digits (blue pair first) and three decimal numbers (red first). The property list and the colour
// editor show, parse and store colours in these forms.
#pragma once

#include "LumoCtrls/Export.h"
#include "LumoCtrls/Types.h"

#include <cstddef>
#include <string>

// One row of a colour table.
struct SNamedColor
{
    wchar_t const* name;
    COLORREF value;
};

// The 16 standard colours and the 142 web colours (rows 0 and 1: "None" and "Transparent"), in their
// fixed order; a lookup takes the first matching row.
LUMO_API SNamedColor const* GetStandardColorTable(std::size_t& count);
LUMO_API SNamedColor const* GetWebColorTable(std::size_t& count);

// Reads a colour from its text: a table name (any case), "ffff0001" or "Transparent", "ffffffff", an empty
// text (no colour), "r, g, b" in decimal or six hexadecimal digits. False, with out set to 0 (black), when
// the text is none of these: callers that must not turn a typo into black check the result.
LUMO_API bool GetCOLORREFFromName(std::wstring name, COLORREF& out);

// The text of a colour: "None" for no colour, the first standard then web name with that value, or the
// decimal form "r, g, b".
LUMO_API std::wstring GetNameFromCOLORREF(COLORREF const& value);
