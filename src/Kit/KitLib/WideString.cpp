#include "Kit/KitLib/WideString.h"

#include <cwchar>
#include <string>

wchar_t _wcsfoldchar(wchar_t c)
{
    if (c >= L'A' && c <= L'Z')
        return static_cast<wchar_t>(c + (L'a' - L'A'));
    // Latin-1 capitals: U+00C0..U+00DE, except the multiplication sign U+00D7.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<wchar_t>(c + 0x20);
    return c;
}

wchar_t const* _wcsfind(wchar_t const* text, wchar_t const* pattern)
{
    if (text == nullptr || pattern == nullptr)
        return nullptr;
    return std::wcsstr(text, pattern);
}

int _wcsicomp(wchar_t const* a, wchar_t const* b)
{
    if (a == b)
        return 0;
    if (a == nullptr)
        return -1;
    if (b == nullptr)
        return 1;
    for (;; ++a, ++b)
    {
        int const fa = _wcsfoldchar(*a);
        int const fb = _wcsfoldchar(*b);
        if (fa != fb || fa == 0)
            return fa - fb;
    }
}

int vsnxprintfW(wchar_t* buffer, std::size_t size, wchar_t const* format, std::va_list arguments)
{
    if (buffer == nullptr || size == 0)
        return -1;
    buffer[0] = L'\0';
    if (format == nullptr)
        return -1;

    // vswprintf reports "too small" and "bad format" alike (-1), and what it leaves in a too small buffer
    // differs between runtimes; format into a scratch buffer that grows until the text fits, then copy.
    constexpr std::size_t kLargestText = 1u << 20;
    std::wstring scratch(256, L'\0');
    for (;;)
    {
        std::va_list copy;
        va_copy(copy, arguments);
        int const length = std::vswprintf(&scratch[0], scratch.size(), format, copy);
        va_end(copy);
        if (length >= 0)
        {
            std::size_t const stored = static_cast<std::size_t>(length) < size ? length : size - 1;
            std::wmemcpy(buffer, scratch.data(), stored);
            buffer[stored] = L'\0';
            return length;
        }
        if (scratch.size() >= kLargestText)
            return -1;
        scratch.assign(scratch.size() * 4, L'\0');
    }
}

int snxprintfW(wchar_t* buffer, std::size_t size, wchar_t const* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    int const length = vsnxprintfW(buffer, size, format, arguments);
    va_end(arguments);
    return length;
}

std::wstring _WidenAscii(char const* text)
{
    std::wstring wide;
    for (; text != nullptr && *text != '\0'; ++text)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*text));
    return wide;
}
