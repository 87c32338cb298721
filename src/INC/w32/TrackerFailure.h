// How the wrappers report a refused platform call: CWindowsApiFailed with the call's name, the error
// code read at once, and the wrappers' own source location.
#pragma once

#include <windows.h>

#include "LumoCtrls/Errors.h"

namespace lumo
{
constexpr char kResourceTrackerPath[] = "src\\INC\\ResourceTracker";

[[noreturn]] inline void ThrowTrackerFailure(wchar_t const* operation, int line)
{
    CWindowsApiFailed::CreateAndThrow(operation, GetLastError(), kResourceTrackerPath, line);
}

[[noreturn]] inline void ThrowResourceNotFound(HINSTANCE module, UINT identifier, int type, int line)
{
    CResourceNotFound::CreateAndThrow(module, identifier, type, kResourceTrackerPath, line);
}
} // namespace lumo
