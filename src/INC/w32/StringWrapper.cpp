#include "LumoCtrls/StringWrapper.h"

#include "Kit/KitLib/w32/CodePage.h"
#include "LumoCtrls/Errors.h"

namespace
{
[[noreturn]] void ThrowConversionFailed()
{
    CUnknownError::CreateAndThrow(false, "src\\INC\\StringWrapper", 28);
}
} // namespace

std::wstring ConvertToWideString(char const* text, UINT codePage)
{
    int const bytes = _ConvertString(text, codePage, nullptr, 0, kCodePageUtf16);
    if (bytes < 2)
        ThrowConversionFailed();
    // Converted with its terminator into a buffer of its own size, then cut before the terminator.
    std::wstring wide(static_cast<std::size_t>(bytes / 2), L'\0');
    if (_ConvertString(text, codePage, &wide[0], bytes, kCodePageUtf16) != bytes)
        ThrowConversionFailed();
    wide.resize(wide.size() - 1);
    return wide;
}
