// main() of every Windows test executable: GoogleTest behind a watchdog, so that a test stuck in a modal
// loop or a menu ends the process with a clear message instead of hanging the run.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace
{
DWORD WINAPI Watchdog(LPVOID parameter)
{
    DWORD const seconds = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(parameter));
    Sleep(seconds * 1000);
    std::fprintf(stderr, "watchdog: tests still running after %lu s, ending the process\n",
                 static_cast<unsigned long>(seconds));
    std::fflush(stderr);
    ExitProcess(99);
}

// Test programs run side by side, and those on one desktop take the foreground and the focus from each
// other: an editor closes when it loses the focus, a click meant for one window activates another. Each
// program's windows therefore live on a desktop of its own (the tests create windows on this thread only).
void WorkOnADesktopOfOurOwn()
{
    wchar_t name[64];
    wsprintfW(name, L"LumoTests%lu", GetCurrentProcessId());
    HDESK const desktop = CreateDesktopW(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (desktop == nullptr || !SetThreadDesktop(desktop))
        std::fprintf(stderr,
                     "no desktop of its own (error %lu): tests that need the focus may fail when "
                     "other test programs run at the same time\n",
                     GetLastError());
    // The handle stays open: the thread works on the desktop until the process ends.
}
} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    DWORD seconds = 120;
    if (char const* limit = std::getenv("LUMO_TEST_WATCHDOG_SECONDS"))
        seconds = static_cast<DWORD>(std::strtoul(limit, nullptr, 10));
    // 0: no watchdog, for long runs on request.
    HANDLE const thread =
        seconds == 0 ? nullptr
                     : CreateThread(nullptr, 0, &Watchdog,
                                    reinterpret_cast<LPVOID>(static_cast<UINT_PTR>(seconds)), 0, nullptr);
    if (thread != nullptr)
        CloseHandle(thread);
    WorkOnADesktopOfOurOwn();
    return RUN_ALL_TESTS();
}
