#include "INC/w32/MessageBoundary.h"
#include "LumoCtrls/LumoCtrls.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace
{
std::vector<std::wstring> g_reported;
void Capture(CError const& error)
{
    g_reported.push_back(error.Describe());
}

UINT g_throwOn = 0;
UINT g_throwOtherOn = 0;

LRESULT CALLBACK ThrowingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return lumo::DispatchGuarded(
        window, message, wParam, lParam,
        [&]() -> LRESULT
        {
            if (message == g_throwOn)
                CWindowsApiFailed::CreateAndThrow(L"DrawText", 8, "src/Test", 21);
            if (message == g_throwOtherOn)
                throw std::bad_alloc();
            if (message == WM_GETTEXTLENGTH)
                return 1234; // a handled message answers differently from the default processing
            return DefWindowProcW(window, message, wParam, lParam);
        });
}

class MessageBoundary : public testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &ThrowingProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        ASSERT_NE(RegisterClassW(&windowClass), 0);
        m_previousReporter = CError::SetReporter(&Capture);
        g_reported.clear();
    }
    void TearDown() override
    {
        CError::SetReporter(m_previousReporter);
        g_throwOn = 0;
        g_throwOtherOn = 0;
        UnregisterClassW(kClass, GetModuleHandleW(nullptr));
    }

    static constexpr wchar_t const* kClass = L"LumoMessageBoundaryTest";
    CError::Reporter m_previousReporter = nullptr;
};

TEST_F(MessageBoundary, AnErrorDuringCreationReportsItselfAndTheWindowIsStillCreated)
{
    g_throwOn = WM_CREATE;
    HWND const window = CreateWindowExW(0, kClass, L"abc", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindow(window));
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], L"DrawText failed with code 8 [src/Test:21]");
    DestroyWindow(window);
}

TEST_F(MessageBoundary, AnErrorInAnyOtherMessageFallsBackToDefaultProcessing)
{
    HWND const window = CreateWindowExW(0, kClass, L"abc", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 1234);

    g_throwOn = WM_GETTEXTLENGTH;
    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 3); // DefWindowProc: the length of "abc"
    EXPECT_EQ(g_reported.size(), 1u);

    // Any other exception (memory, the standard library's own) stops there too, reported as one line.
    g_throwOn = 0;
    g_throwOtherOn = WM_GETTEXTLENGTH;
    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_EQ(g_reported.size(), 1u) << "not a CError: written as a line, not handed to the reporter";
    DestroyWindow(window);
}

WNDPROC g_previous = nullptr;
LRESULT CALLBACK GuardedSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return lumo::DispatchGuarded(
        window, message, wParam, lParam,
        [&]() -> LRESULT
        {
            if (message == WM_GETTEXTLENGTH)
                COutOfMemory::CreateAndThrow("src/Test", 5);
            return CallWindowProcW(g_previous, window, message, wParam, lParam);
        },
        g_previous);
}

TEST_F(MessageBoundary, ASubclassFallsBackToItsPreviousProcedure)
{
    HWND const window = CreateWindowExW(0, kClass, L"abc", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GuardedSubclass)));
    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 1234); // the class procedure's own answer
    ASSERT_EQ(g_reported.size(), 1u);
    EXPECT_EQ(g_reported[0], L"out of memory [src/Test:5]");
    DestroyWindow(window);
}
} // namespace
