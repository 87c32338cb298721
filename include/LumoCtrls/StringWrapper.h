// Narrow text in a code page as a wide string.
#pragma once

#include <windows.h>

#include <string>

#include "LumoCtrls/Export.h"

// Converts zero-terminated narrow text in codePage. Throws CUnknownError (flag false) when the text
// cannot be converted.
LUMO_API std::wstring ConvertToWideString(char const* text, UINT codePage);
