// Every kind of wrapper operation, made to fail: the error names the call, carries the platform's code
// and the wrappers' source location, and the wrapper is left as it was.
#include "LumoCtrls/LumoCtrls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
struct ApiFailure
{
    char const* what;
    std::function<void()> provoke;
    wchar_t const* operation;
    int line;
};

void PrintTo(ApiFailure const& failure, std::ostream* out)
{
    *out << failure.what;
}

class WrapperFailure : public testing::TestWithParam<ApiFailure>
{
};

TEST_P(WrapperFailure, ThrowsTheCallsNameAndLine)
{
    ApiFailure const& failure = GetParam();
    try
    {
        failure.provoke();
        FAIL() << "no exception";
    }
    catch (CWindowsApiFailed const& error)
    {
        EXPECT_EQ(error.GetOperation(), failure.operation);
        EXPECT_EQ(error.GetLine(), failure.line);
        EXPECT_STREQ(error.GetSourcePath(), "src\\INC\\ResourceTracker");
    }
}

// A context handle that names nothing: the wrapper passes it on and the platform refuses.
HDC const kNoContext = reinterpret_cast<HDC>(static_cast<UINT_PTR>(0x7A3C));

INSTANTIATE_TEST_SUITE_P(
    EachKind, WrapperFailure,
    testing::Values(
        ApiFailure{"creating a bitmap too large to exist",
                   [] { CBitmap().Create(1 << 20, 1 << 20, 1, 32, nullptr); }, L"CreateBitmap", 655},
        ApiFailure{"a pattern brush of no bitmap", [] { CBrush().CreatePattern(CBitmap()); },
                   L"CreatePatternBrush", 458},
        ApiFailure{"reading the description of no font", [] { CFont().GetLogFont(); }, L"GetObject", 397},
        ApiFailure{"an image list of negative size", [] { CImageList().Create(-1, -1, ILC_COLOR24, 1, 1); },
                   L"ImageList_Create", 920},
        ApiFailure{"selecting an empty brush",
                   []
                   {
                       CCompDC dc(nullptr);
                       dc.Select(CBrush());
                   },
                   L"SelectObject", 1612},
        ApiFailure{"selecting an empty font",
                   []
                   {
                       CCompDC dc(nullptr);
                       dc.Select(CFont());
                   },
                   L"SelectObject", 1623},
        ApiFailure{"selecting into no context",
                   []
                   {
                       CPen pen;
                       pen.Create(PS_SOLID, 1, 0);
                       CDC(kNoContext).Select(pen);
                   },
                   L"SelectObject", 1634},
        ApiFailure{"a background colour on no context", [] { CDC(kNoContext).SetBkColor(0); }, L"SetBkColor",
                   1779},
        ApiFailure{"a text colour on no context", [] { CDC(kNoContext).SetTextColor(0); }, L"SetTextColor",
                   1792},
        ApiFailure{"text on no context", [] { CDC(kNoContext).TextOutW(0, 0, L"x"); }, L"TextOut", 1880},
        ApiFailure{"a blit from no context",
                   []
                   {
                       CCompDC dc(nullptr);
                       dc.BitBlt(0, 0, 1, 1, kNoContext, 0, 0, SRCCOPY);
                   },
                   L"BitBlt", 1805},
        // (Wine's FillRect answers TRUE whatever it is given, so its failure cannot be provoked here.)
        ApiFailure{"framing on no context",
                   []
                   {
                       CBrush brush;
                       brush.CreateSolid(0);
                       CDC(kNoContext).FrameRect(RECT{0, 0, 1, 1}, brush);
                   },
                   L"FrameRect", 1979},
        ApiFailure{"a pattern blit on no context", [] { CDC(kNoContext).PatBlt(0, 0, 1, 1, WHITENESS); },
                   L"PatBlt", 2042},
        ApiFailure{"an ellipse on no context", [] { CDC(kNoContext).Ellipse(0, 0, 4, 4); }, L"Ellipse", 1869},
        ApiFailure{"aligning text on no context", [] { CDC(kNoContext).SetTextAlign(TA_LEFT); },
                   L"SetTextAlign", 2022},
        ApiFailure{"formatted text on no context",
                   []
                   {
                       RECT rect{0, 0, 10, 10};
                       CDC(kNoContext).DrawTextW(L"x", rect, 0);
                   },
                   L"DrawText", 2012},
        ApiFailure{"the client rectangle of no window", [] { CWnd().GetClientRect(); }, L"GetClientRect",
                   1205},
        ApiFailure{"the class name of no window", [] { CWnd().GetClassNameW(); }, L"GetClassName", 1056},
        ApiFailure{"a window of an unknown class",
                   []
                   {
                       CWnd().CreateWindowExW(0, L"LumoNoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                              nullptr, nullptr, nullptr);
                   },
                   L"CreateWindowEx", 1084},
        ApiFailure{"a compatible context of no context", [] { CCompDC dc(kNoContext); },
                   L"CreateCompatibleDC", 2341},
        ApiFailure{"the window context of no window", [] { CWindowDC dc(reinterpret_cast<HWND>(0x7A3E)); },
                   L"GetWindowDC", 2206}));

TEST(WrapperFailure, AWindowErrorCarriesThePlatformsCode)
{
    try
    {
        CWnd(reinterpret_cast<HWND>(0x7A3E)).GetWindowRect();
        FAIL() << "no exception";
    }
    catch (CWindowsApiFailed const& error)
    {
        EXPECT_EQ(error.GetOperation(), L"GetWindowRect");
        EXPECT_EQ(error.GetCode(), static_cast<std::uint32_t>(ERROR_INVALID_WINDOW_HANDLE));
        EXPECT_EQ(error.GetLine(), 1216);
    }
}

struct MissingResource
{
    char const* what;
    std::function<void(HINSTANCE, UINT)> load;
    int type;
    int line;
};

void PrintTo(MissingResource const& missing, std::ostream* out)
{
    *out << missing.what;
}

class MissingResourceTest : public testing::TestWithParam<MissingResource>
{
};

TEST_P(MissingResourceTest, ReportsModuleIdentifierTypeAndLine)
{
    MissingResource const& missing = GetParam();
    HINSTANCE const module = GetModuleHandleW(nullptr); // this executable has no such resources
    try
    {
        missing.load(module, 4711);
        FAIL() << "no exception";
    }
    catch (CResourceNotFound const& error)
    {
        EXPECT_EQ(error.GetModule(), module);
        EXPECT_EQ(error.GetResource(), 4711u);
        EXPECT_EQ(error.GetType(), missing.type);
        EXPECT_EQ(error.GetLine(), missing.line);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachLoader, MissingResourceTest,
    testing::Values(MissingResource{"bitmap", [](HINSTANCE m, UINT id) { CBitmap().Load(m, id); }, 3, 598},
                    MissingResource{"menu", [](HINSTANCE m, UINT id) { CMenu().Load(m, id); }, 6, 682},
                    MissingResource{"icon", [](HINSTANCE m, UINT id) { CIcon().Load(m, id); }, 1, 790},
                    MissingResource{"accelerators", [](HINSTANCE m, UINT id) { CAccel().Load(m, id); }, 5,
                                    875}));

TEST(WrapperFailure, AFailedCreationLeavesTheWrapperHoldingWhatItHeld)
{
    CBitmap bitmap;
    bitmap.Create(4, 4, 1, 1, nullptr);
    HBITMAP const held = bitmap.GetHandle();
    EXPECT_THROW(bitmap.Create(1 << 20, 1 << 20, 1, 32, nullptr), CWindowsApiFailed);
    EXPECT_EQ(bitmap.GetHandle(), held);
    EXPECT_EQ(GetObjectType(held), static_cast<DWORD>(OBJ_BITMAP));
}

TEST(WrapperFailure, AFailedSelectionLeavesTheContextAsItWas)
{
    CCompDC dc(nullptr);
    HGDIOBJ const original = GetCurrentObject(dc, OBJ_BRUSH);
    EXPECT_THROW(dc.Select(CBrush()), CWindowsApiFailed);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), original);
    EXPECT_TRUE(dc.GetCurrentBrush().IsEmpty());
    dc.RestoreBrush(); // nothing was saved: nothing to put back
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), original);
}

TEST(StringWrapper, ConvertsNarrowTextOrSaysItCannot)
{
    EXPECT_EQ(ConvertToWideString("h\xE9llo", 1252), L"h\u00E9llo");
    EXPECT_EQ(ConvertToWideString("", 1252), L"");
    try
    {
        ConvertToWideString("abc", 12345);
        FAIL() << "no exception";
    }
    catch (CUnknownError const& error)
    {
        EXPECT_FALSE(error.GetFlag());
        EXPECT_STREQ(error.GetSourcePath(), "src\\INC\\StringWrapper");
        EXPECT_EQ(error.GetLine(), 28);
    }
}
} // namespace
