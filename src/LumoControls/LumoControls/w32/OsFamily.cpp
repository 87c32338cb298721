#include "LumoControls/LumoControls/w32/OsFamily.h"

#include <windows.h>

bool lumo::IsNtFamily()
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version); // 276 bytes
    static_assert(sizeof(OSVERSIONINFOW) == 276, "the probe's structure size");
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    bool const answered = GetVersionExW(&version) != 0;
#pragma GCC diagnostic pop
    return answered && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
