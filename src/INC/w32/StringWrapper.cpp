#include "LumoCtrls/StringWrapper.h"

#include "Kit/KitLib/w32/CodePage.h"
#include "LumoCtrls/Errors.h"

std::wstring ConvertToWideString(char const* text, UINT codePage)
{
    int const bytes = _ConvertString(text, codePage, nullptr, 0, kCodePageUtf16);
    if (bytes < 2)
        CUnknownError::CreateAndThrow(false, "src\\INC\\StringWrapper", 28);
    std::wstring wide(static_cast<std::size_t>(bytes / 2 - 1), L'\0');
    // The string's own terminator slot takes the converted terminator.
    _ConvertString(text, codePage, &wide[0], bytes, kCodePageUtf16);
    return wide;
}
