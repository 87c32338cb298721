// The colour state of a freshly loaded library (a private copy of the DLL, so that nothing else in this
// process has refreshed it), and the derived colours after initialisation.
#include "LumoCtrls/LumoCtrls.h"
#include "w32/LibraryCopy.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
template <class Function> Function Export(HMODULE module, char const* name)
{
    return CLibraryCopy::Export<Function>(module, name);
}

struct FreshLibrary
{
    FreshLibrary()
        : copy(L"LumoCtrlsColourCopy.dll"), module(LoadLibraryW(copy.Path().c_str())),
          hint(Export<COLORREF (*)()>(module, "_Z12GetHintColorv")),
          installed(Export<int (*)()>(module, "_Z18IsThemeXPInstalledv")),
          composition(Export<int (*)()>(module, "_Z17IsAeroVistaActivev")),
          refresh(Export<void (*)()>(module, "_Z13RefreshColorsv")),
          nativeMode(Export<int (*)(int)>(module, "_Z13SetNativeModei"))
    {
    }
    ~FreshLibrary() { FreeLibrary(module); }

    CLibraryCopy copy;
    HMODULE module;
    COLORREF (*hint)();
    int (*installed)();
    int (*composition)();
    void (*refresh)();
    int (*nativeMode)(int);
};

int PlatformCompositionFlag()
{
    HMODULE const uxtheme = LoadLibraryW(L"uxtheme.dll");
    auto const isActive = reinterpret_cast<BOOL(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsCompositionActive")));
    return isActive != nullptr ? isActive() : 0;
}

TEST(ColorState, FromLoadThroughRefreshAndNativeMode)
{
    FreshLibrary library;
    ASSERT_NE(library.module, nullptr);
    struct Expected
    {
        char const* when;
        COLORREF hint;
        int installed;
        int composition;
    };
    auto check = [&](Expected const& expected)
    {
        EXPECT_EQ(library.hint(), expected.hint) << expected.when;
        EXPECT_EQ(library.installed(), expected.installed) << expected.when;
        EXPECT_EQ(library.composition(), expected.composition) << expected.when;
    };

    check({"at load", 0, 0, 0});
    library.refresh();
    check({"after a refresh", 0x5BC0FF, 1, PlatformCompositionFlag()});
    EXPECT_EQ(library.nativeMode(1), 0);
    check({"native mode alone changes nothing yet", 0x5BC0FF, 1, PlatformCompositionFlag()});
    library.refresh();
    check({"a refresh in native mode", 0x5BC0FF, 1, 0});
    EXPECT_EQ(library.nativeMode(0), 1);
}

TEST(DrawTools, PlatformAnswers)
{
    EXPECT_EQ(GetRealFontHeight(8), -11); // 96 dots per inch
    EXPECT_EQ(GetRealFontHeight(12), -16);
    EXPECT_EQ(GetCountOfColors(), 3); // a 32-bit display
    HWND const window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr,
                                        nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(TrackMouseLeaveEvent(window), 0);
    CLumoControls::Instance(); // refreshes the colours and sets the styles-installed flag
    EXPECT_EQ(GetThemeColor(), 0xFFE0CAu);
    EXPECT_NO_THROW(RemoveXPThemeOfControl(window));
    DestroyWindow(window);
}
} // namespace
