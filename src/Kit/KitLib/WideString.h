// Wide-string helpers of the base library.
//
// Case-insensitive comparison folds ASCII and Latin-1 letters only, so that it gives the same answer in
// every locale and on every platform; the controls use it for their own identifiers and names.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// First occurrence of pattern in text, or null. An empty pattern is found at the start of text.
wchar_t const* _wcsfind(wchar_t const* text, wchar_t const* pattern);

// 0 when a and b are equal ignoring case; otherwise negative or positive as the first differing folded
// character of a sorts before or after that of b.
int _wcsicomp(wchar_t const* a, wchar_t const* b);

// The lower-case form used by _wcsicomp.
wchar_t _wcsfoldchar(wchar_t c);

// printf-style formatting into buffer (size in characters, terminator included) that never writes past
// buffer[size - 1] and always terminates when size > 0. Wide-string arguments are passed with %ls.
// Returns the length of the complete text, so a result >= size means the text was cut; -1 when the
// format cannot be applied (nothing but the terminator is stored then).
int snxprintfW(wchar_t* buffer, std::size_t size, wchar_t const* format, ...);
int vsnxprintfW(wchar_t* buffer, std::size_t size, wchar_t const* format, std::va_list arguments);

// The wide form of an ASCII text (source paths, the platform's exception texts): each byte becomes the
// code unit of the same value. Null gives an empty text.
std::wstring _WidenAscii(char const* text);
