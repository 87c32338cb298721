// Wrapper operations made to fail: the error names the call and carries the wrappers' source path, and the
// wrapper is left as it was.
#include "LumoCtrls/LumoCtrls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
// A context handle that names nothing: the wrapper passes it on and the platform refuses.
HDC const kNoContext = reinterpret_cast<HDC>(static_cast<UINT_PTR>(0x7A3C));

template <class Error> Error Caught(std::function<void()> const& provoke)
{
    try
    {
        provoke();
    }
    catch (Error const& error)
    {
        return error;
    }
    ADD_FAILURE() << "no exception";
    throw std::logic_error("no exception");
}

TEST(WrapperFailure, EveryCheckedCallThrowsUnderItsOwnName)
{
    CPen pen;
    pen.Create(PS_SOLID, 1, 0);
    CBrush brush;
    brush.CreateSolid(0);
    RECT rect{0, 0, 10, 10};
    // (Wine's FillRect answers TRUE whatever it is given, so its failure cannot be provoked here.)
    std::pair<wchar_t const*, std::function<void()>> const cases[] = {
        {L"CreateBitmap", [] { CBitmap().Create(1 << 20, 1 << 20, 1, 32, nullptr); }},
        {L"CreatePatternBrush", [] { CBrush().CreatePattern(CBitmap()); }},
        {L"GetObject", [] { CFont().GetLogFont(); }},
        {L"ImageList_Create", [] { CImageList().Create(-1, -1, ILC_COLOR24, 1, 1); }},
        {L"SelectObject", [] { CCompDC(nullptr).Select(CFont()); }},
        {L"SelectObject", [&] { CDC(kNoContext).Select(pen); }},
        {L"SetBkColor", [] { CDC(kNoContext).SetBkColor(0); }},
        {L"SetTextColor", [] { CDC(kNoContext).SetTextColor(0); }},
        {L"TextOut", [] { CDC(kNoContext).TextOutW(0, 0, L"x"); }},
        {L"BitBlt", [] { CCompDC(nullptr).BitBlt(0, 0, 1, 1, kNoContext, 0, 0, SRCCOPY); }},
        {L"FrameRect",
         [&] {
             CDC(kNoContext).FrameRect(RECT{0, 0, 1, 1}, brush);
         }},
        {L"PatBlt", [] { CDC(kNoContext).PatBlt(0, 0, 1, 1, WHITENESS); }},
        {L"Ellipse", [] { CDC(kNoContext).Ellipse(0, 0, 4, 4); }},
        {L"SetTextAlign", [] { CDC(kNoContext).SetTextAlign(TA_LEFT); }},
        {L"DrawText", [&] { CDC(kNoContext).DrawTextW(L"x", rect, 0); }},
        {L"GetClientRect", [] { CWnd().GetClientRect(); }},
        {L"GetClassName", [] { CWnd().GetClassNameW(); }},
        {L"CreateWindowEx",
         [] { CWnd().CreateWindowExW(0, L"LumoNoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, 0, 0, 0, 0); }},
        {L"CreateCompatibleDC", [] { CCompDC dc(kNoContext); }},
        {L"GetWindowDC", [] { CWindowDC dc(reinterpret_cast<HWND>(0x7A3E)); }},
    };
    for (auto const& [operation, provoke] : cases)
    {
        CWindowsApiFailed const error = Caught<CWindowsApiFailed>(provoke);
        EXPECT_EQ(error.GetOperation(), operation);
        EXPECT_STREQ(error.GetSourcePath(), "src\\INC\\ResourceTracker");
    }
    CWindowsApiFailed const window =
        Caught<CWindowsApiFailed>([] { CWnd(reinterpret_cast<HWND>(0x7A3E)).GetWindowRect(); });
    EXPECT_EQ(window.GetCode(), static_cast<std::uint32_t>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST(WrapperFailure, AMissingResourceNamesModuleIdentifierAndType)
{
    HINSTANCE const module = GetModuleHandleW(nullptr); // this executable has no such resources
    std::pair<int, std::function<void()>> const loaders[] = {
        {3, [=] { CBitmap().Load(module, 4711); }},
        {6, [=] { CMenu().Load(module, 4711); }},
        {1, [=] { CIcon().Load(module, 4711); }},
        {5, [=] { CAccel().Load(module, 4711); }},
    };
    for (auto const& [type, load] : loaders)
    {
        CResourceNotFound const error = Caught<CResourceNotFound>(load);
        EXPECT_EQ(error.GetModule(), module);
        EXPECT_EQ(error.GetResource(), 4711u);
        EXPECT_EQ(error.GetType(), type);
    }
}

TEST(WrapperFailure, AFailedCreationOrSelectionLeavesEverythingAsItWas)
{
    CBitmap bitmap;
    bitmap.Create(4, 4, 1, 1, nullptr);
    HBITMAP const held = bitmap.GetHandle();
    EXPECT_THROW(bitmap.Create(1 << 20, 1 << 20, 1, 32, nullptr), CWindowsApiFailed);
    EXPECT_EQ(bitmap.GetHandle(), held);
    EXPECT_EQ(GetObjectType(held), static_cast<DWORD>(OBJ_BITMAP));

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
    std::wstring const long_text = ConvertToWideString(std::string(300, 'a').c_str(), 1252);
    EXPECT_EQ(long_text, std::wstring(300, L'a'));
    CUnknownError const error = Caught<CUnknownError>([] { ConvertToWideString("abc", 12345); });
    EXPECT_FALSE(error.GetFlag());
    EXPECT_STREQ(error.GetSourcePath(), "src\\INC\\StringWrapper");
}
} // namespace
