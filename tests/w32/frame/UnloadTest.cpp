// Loading and unloading the library as a process does, through a private copy of the DLL (the copy the
// test executable imports stays loaded for the whole run).
#include "LumoCtrls/LumoCtrls.h"
#include "w32/GuiObjectCounter.h"
#include "w32/LibraryCopy.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class Unload : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_copy.Exists()); }

    CLibraryCopy m_copy{L"LumoCtrlsUnloadCopy.dll"};
};

// A window of this thread, so that sending it a message runs this thread's message hooks.
HWND CreateProbeWindow()
{
    return CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
}

TEST_F(Unload, WithoutInstanceTheLibraryComesAndGoesWithoutATrace)
{
    // Warm up: the first load initialises platform state (fonts, classes) that stays with the process.
    HMODULE module = LoadLibraryW(m_copy.Path().c_str());
    ASSERT_NE(module, nullptr);
    ASSERT_TRUE(FreeLibrary(module));

    GuiObjectCounts const before = CountGuiObjects();
    for (int round = 0; round < 5; ++round)
    {
        module = LoadLibraryW(m_copy.Path().c_str());
        ASSERT_NE(module, nullptr);
        ASSERT_TRUE(FreeLibrary(module));
    }
    EXPECT_EQ(CountGuiObjects(), before);
}

TEST_F(Unload, AfterInstanceTheHookGoesWithTheLibrary)
{
    HWND const probe = CreateProbeWindow();
    ASSERT_NE(probe, nullptr);
    for (int round = 0; round < 3; ++round)
    {
        HMODULE const module = LoadLibraryW(m_copy.Path().c_str());
        ASSERT_NE(module, nullptr);
        auto const instance =
            CLibraryCopy::Export<CLumoControls* (*)()>(module, "_ZN13CLumoControls8InstanceEv");
        ASSERT_NE(instance, nullptr);
        CLumoControls* const library = instance();
        ASSERT_NE(library, nullptr);
        EXPECT_TRUE(library->IsInitialised());
        ASSERT_TRUE(FreeLibrary(module));

        // A hook left behind would now call into unmapped code and end the process here.
        EXPECT_EQ(SendMessageW(probe, WM_GETTEXTLENGTH, 0, 0), 5);
    }
    DestroyWindow(probe);
}
TEST_F(Unload, AfterAnImageWasLoadedTheImagingLibraryOutlivesTheLibrary)
{
    HMODULE const module = LoadLibraryW(m_copy.Path().c_str());
    ASSERT_NE(module, nullptr);
    auto const save =
        CLibraryCopy::Export<int (*)(HBITMAP, LPCWSTR)>(module, "_Z16SaveHBITMAPAsPNGP9HBITMAP__PKw");
    ASSERT_NE(save, nullptr);
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    std::wstring const path = std::wstring(directory) + L"LumoUnloadImage.png";
    BYTE pixels[16] = {};
    HBITMAP const bitmap = CreateBitmap(2, 2, 1, 32, pixels);
    EXPECT_NE(save(bitmap, path.c_str()), 0); // GDI+ starts in the copy
    ASSERT_TRUE(FreeLibrary(module));
    // GDI+ (and its thread) stayed loaded and keeps working for whoever uses it next.
    EXPECT_NE(GetModuleHandleW(L"gdiplus.dll"), nullptr);
    HBITMAP const reloaded = CreateHBITMAPFromFile(path.c_str());
    EXPECT_NE(reloaded, nullptr);
    DeleteObject(reloaded);
    DeleteObject(bitmap);
    DeleteFileW(path.c_str());
}
} // namespace
