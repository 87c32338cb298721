// The platform's gradient fill, found in msimg32.dll when the library loads and let go when it unloads.
#pragma once

#include <windows.h>

namespace lumo
{
typedef BOOL(WINAPI* GradientFillFunction)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

// The function to use now: null when it was not found or its use is switched off.
GradientFillFunction GetGradientFill();
} // namespace lumo
