#include "Kit/KitLib/w32/CodePage.h"

#include <string>

UINT _GetCurrentCodePage()
{
    return GetACP();
}

namespace
{
// The source as UTF-16, terminator included; empty when it cannot be converted.
std::wstring ToUtf16(void const* source, UINT codePage)
{
    if (codePage == kCodePageUtf16)
        return std::wstring(static_cast<wchar_t const*>(source)) + L'\0';
    char const* narrow = static_cast<char const*>(source);
    int const count = MultiByteToWideChar(codePage, 0, narrow, -1, nullptr, 0);
    if (count <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(count), L'\0');
    MultiByteToWideChar(codePage, 0, narrow, -1, &wide[0], count);
    return wide;
}
} // namespace

int _ConvertString(void const* source, UINT sourceCodePage, void* target, int targetBytes,
                   UINT targetCodePage)
{
    if (source == nullptr)
        return 0;
    std::wstring const wide = ToUtf16(source, sourceCodePage);
    if (wide.empty())
        return 0;

    if (targetCodePage == kCodePageUtf16)
    {
        int const bytes = static_cast<int>(wide.size() * sizeof(wchar_t));
        if (target == nullptr)
            return bytes;
        if (targetBytes < bytes)
            return 0;
        memcpy(target, wide.data(), static_cast<std::size_t>(bytes));
        return bytes;
    }

    int const bytes = WideCharToMultiByte(targetCodePage, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0 || target == nullptr)
        return bytes > 0 ? bytes : 0;
    if (targetBytes < bytes)
        return 0;
    return WideCharToMultiByte(targetCodePage, 0, wide.data(), -1, static_cast<char*>(target), targetBytes,
                               nullptr, nullptr);
}
