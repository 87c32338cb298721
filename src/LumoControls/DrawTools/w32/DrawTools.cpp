// The drawing tools that ask the platform: the colour refresh, visual styles, mouse tracking, display
// depth, font heights and the inverted bar.
#include "LumoCtrls/DrawTools.h"

#include "LumoControls/DrawTools/ColorState.h"
#include "LumoControls/DrawTools/DisplayRules.h"
#include "LumoCtrls/Errors.h"

namespace
{
char const kSourcePath[] = "src/LumoControls/DrawTools";

class CPlatformVisualStyles : public lumo::IVisualStyles
{
public:
    // Loaded again on every refresh and never freed: the controls may call into it at any time.
    bool Load() override { return LoadLibraryW(L"uxtheme.dll") != nullptr; }

    int IsCompositionActive() override
    {
        typedef BOOL(WINAPI * Function)();
        HMODULE const library = GetModuleHandleW(L"uxtheme.dll");
        auto const function = reinterpret_cast<Function>(
            reinterpret_cast<void*>(GetProcAddress(library, "IsCompositionActive")));
        return function != nullptr ? function() : 0;
    }
};

typedef BOOL(WINAPI* TrackMouseEventFunction)(LPTRACKMOUSEEVENT);

TrackMouseEventFunction FindTrackMouseEvent()
{
    auto const find = [](HMODULE library, LPCSTR name)
    {
        return library != nullptr ? reinterpret_cast<TrackMouseEventFunction>(
                                        reinterpret_cast<void*>(GetProcAddress(library, name)))
                                  : nullptr;
    };
    if (TrackMouseEventFunction const user = find(GetModuleHandleW(L"user32.dll"), "TrackMouseEvent"))
        return user;
    HMODULE const commonControls = LoadLibraryW(L"comctl32.dll");
    if (TrackMouseEventFunction const named = find(commonControls, "_TrackMouseEvent"))
        return named;
    return find(commonControls, MAKEINTRESOURCEA(90));
}
} // namespace

void RefreshColors()
{
    CPlatformVisualStyles styles;
    lumo::ProcessColorState().Refresh(styles);
}

void RemoveXPThemeOfControl(HWND window)
{
    if (!IsThemeXPInstalled())
        return;
    HMODULE const library = GetModuleHandleW(L"uxtheme.dll");
    if (library == nullptr)
        return;
    typedef HRESULT(WINAPI * SetWindowThemeFunction)(HWND, LPCWSTR, LPCWSTR);
    auto const setWindowTheme = reinterpret_cast<SetWindowThemeFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "SetWindowTheme")));
    if (setWindowTheme == nullptr)
        CWindowsApiFailed::CreateAndThrow(L"GetProcAddress", GetLastError(), kSourcePath, 1028);
    // An identifier list of one space matches no theme class: the control draws itself classically.
    HRESULT const result = setWindowTheme(window, nullptr, L" ");
    if (result != S_OK)
        CWindowsApiFailed::CreateAndThrow(L"SetWindowTheme", static_cast<std::uint32_t>(result), kSourcePath,
                                          1032);
}

BOOL TrackMouseLeaveEvent(HWND window)
{
    static TrackMouseEventFunction const track = FindTrackMouseEvent();
    if (track == nullptr)
        return 0;
    // The structure's own size: 16 bytes on 32-bit Windows, 24 on 64-bit.
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = window;
    return track(&request);
}

int GetCountOfColors()
{
    HDC const display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (display == nullptr)
        return 0;
    int const bitsPerPixel = GetDeviceCaps(display, BITSPIXEL);
    int const planes = GetDeviceCaps(display, PLANES);
    DeleteDC(display);
    return lumo::CountOfColorsForDepth(bitsPerPixel, planes);
}

int GetRealFontHeight(unsigned points)
{
    CScreenDC screen;
    return lumo::FontHeightForPoints(points, GetDeviceCaps(screen.GetHandle(), LOGPIXELSY));
}

void DrawInvertedColorBar(HWND window, RECT const& rect)
{
    // The window context's origin is the window's top-left corner; the rectangle is in client coordinates.
    POINT clientOrigin{0, 0};
    ClientToScreen(window, &clientOrigin);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    int const x = rect.left + clientOrigin.x - bounds.left;
    int const y = rect.top + clientOrigin.y - bounds.top;
    CWindowDC dc(window);
    dc.PatBlt(x, y, rect.right - rect.left, rect.bottom - rect.top, DSTINVERT);
}
