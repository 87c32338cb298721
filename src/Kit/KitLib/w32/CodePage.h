// Conversion between narrow text in a code page and UTF-16 (code page 1200).
#pragma once

#include <windows.h>

constexpr UINT kCodePageUtf16 = 1200;

// The process's ANSI code page.
UINT _GetCurrentCodePage();

// Converts the zero-terminated text at source, in sourceCodePage, to targetCodePage. Returns the size in
// bytes of the converted text including its terminator (two bytes for UTF-16, one otherwise). With a
// null target nothing is written and only the size is returned; otherwise at most targetBytes are
// written. 0 when the text cannot be converted or does not fit.
int _ConvertString(void const* source, UINT sourceCodePage, void* target, int targetBytes,
                   UINT targetCodePage);
