// LumoGallery: every control family of LumoCtrls on one page each.
//
//     LumoGallery.exe                      an interactive window
//     LumoGallery.exe --screenshots DIR    renders every page, writes DIR\<page>.png, exits 0
//
// Without a display (under Wine's null graphics driver, where DISPLAY is not set) the gallery takes
// screenshots into out\gallery, since nobody could look at the window.
#include "CommandImages.h"
#include "GalleryWindow.h"
#include "Screenshot.h"

#include <LumoCtrls/LumoCtrls.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace
{
bool RunningUnderWine()
{
    HMODULE const ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool HasDisplay()
{
    if (!RunningUnderWine())
        return true;
    wchar_t value[256];
    return GetEnvironmentVariableW(L"DISPLAY", value, 256) > 0;
}

int TakeScreenshots(CGalleryWindow& gallery, std::wstring const& directory)
{
    CreateDirectoryW(directory.c_str(), nullptr);
    int failures = 0;
    for (std::size_t i = 0; i < gallery.GetPageCount(); ++i)
    {
        gallery.SelectPage(i);
        // Nothing pumps messages here: paint the whole window (frame, menu bar, page list) now.
        RedrawWindow(gallery.GetWindow(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        std::wstring const path = directory + L"\\" + gallery.GetPage(i).GetFileStem() + L".png";
        if (SaveWindowAsPng(gallery.GetWindow(), path))
            std::fprintf(stdout, "wrote %ls\n", path.c_str());
        else
        {
            std::fprintf(stderr, "could not write %ls\n", path.c_str());
            ++failures;
        }
    }
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int showCommand)
{
    std::wstring screenshotDirectory;
    for (int i = 1; i < __argc; ++i)
        if (std::wstring(__wargv[i]) == L"--screenshots" && i + 1 < __argc)
            screenshotDirectory = __wargv[++i];
    if (screenshotDirectory.empty() && !HasDisplay())
        screenshotDirectory = L"out\\gallery";

    try
    {
        CLumoControls::Instance();
        gallery::RegisterCommandImages();
    }
    catch (CError const& error)
    {
        error.Report();
        return 2;
    }

    CGalleryWindow gallery(CreateGalleryPages());
    if (!gallery.Create(screenshotDirectory.empty() ? showCommand : SW_SHOWNOACTIVATE))
    {
        std::fprintf(stderr, "the gallery window could not be created\n");
        return 2;
    }
    if (!screenshotDirectory.empty())
    {
        int const result = TakeScreenshots(gallery, screenshotDirectory);
        DestroyWindow(gallery.GetWindow());
        return result;
    }

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
