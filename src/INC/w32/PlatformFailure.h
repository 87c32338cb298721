// How the library reports a refused platform call: CWindowsApiFailed with the call's name, the error code
// read at once, and the source location of the caller.
#pragma once

#include <windows.h>

#include "LumoCtrls/Errors.h"

namespace lumo
{
[[noreturn]] inline void ThrowLastError(wchar_t const* operation, char const* sourcePath, int line)
{
    CWindowsApiFailed::CreateAndThrow(operation, GetLastError(), sourcePath, line);
}

// The wrappers of counted handles and device contexts report under their own source location.
constexpr char kResourceTrackerPath[] = "src\\INC\\ResourceTracker";

[[noreturn]] inline void ThrowTrackerFailure(wchar_t const* operation, int line)
{
    ThrowLastError(operation, kResourceTrackerPath, line);
}

[[noreturn]] inline void ThrowResourceNotFound(HINSTANCE module, UINT identifier, int type, int line)
{
    CResourceNotFound::CreateAndThrow(module, identifier, type, kResourceTrackerPath, line);
}
} // namespace lumo
