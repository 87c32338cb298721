#include "LumoCtrls/Errors.h"
#include "Kit/KitLib/ReportLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::wstring> g_lines;
void Capture(wchar_t const* line)
{
    g_lines.push_back(line);
}

std::vector<CError const*> g_reported;
void CaptureError(CError const& error)
{
    g_reported.push_back(&error);
}

template <class Throw> std::wstring DescriptionOf(Throw&& raise)
{
    try
    {
        raise();
    }
    catch (CError const& error)
    {
        return error.Describe();
    }
    return L"(nothing thrown)";
}

TEST(Errors, EachKindDescribesItselfInOneLineWithItsLocation)
{
    EXPECT_EQ(DescriptionOf([] { CWindowsApiFailed::CreateAndThrow(L"RegisterClass", 1410, "src/X", 88); }),
              L"RegisterClass failed with code 1410 [src/X:88]");
    EXPECT_EQ(
        DescriptionOf([] { CComApiFailed::CreateAndThrow(L"CoCreateInstance", -2147221164, "src/Y", 7); }),
        L"CoCreateInstance failed with result 0x80040154 [src/Y:7]");
    EXPECT_EQ(
        DescriptionOf([] { COutOfMemory::CreateAndThrow("src/ObjectRuntime/NewDelete/NewDelete", 57); }),
        L"out of memory [src/ObjectRuntime/NewDelete/NewDelete:57]");
    EXPECT_EQ(DescriptionOf(
                  [] {
                      CResourceNotFound::CreateAndThrow(reinterpret_cast<void*>(0x10000), 120, 3,
                                                        "src\\INC\\X", 598);
                  }),
              L"resource 120 of type 3 not found in module 0x10000 [src\\INC\\X:598]");
    EXPECT_EQ(DescriptionOf([] { CRuntimeError::SetFileAndLine("src/T", 5)(0, 12, L"items"); }),
              L"run-time error 0 (index out of range): 12, items [src/T:5]");
}

TEST(Errors, TheTypedFieldsSurviveTheThrow)
{
    try
    {
        CRuntimeError::SetFileAndLine("src/S", 3)(62102u, std::wstring(L"word"), -1L);
    }
    catch (CRuntimeError const& error)
    {
        EXPECT_EQ(error.GetMessageNumber(), 62102u);
        EXPECT_EQ(error.GetArguments(), (std::vector<std::wstring>{L"word", L"-1"}));
        EXPECT_EQ(error.GetLine(), 3);
    }
    try
    {
        CUnknownError::CreateAndThrow(true, "src/INC/thesaur", 40);
    }
    catch (CUnknownError const& error)
    {
        EXPECT_TRUE(error.GetFlag());
    }
}

TEST(Errors, ReportGoesToTheInstalledReporterOrAsOneLineToTheSink)
{
    ReportLineSink const previousSink = _SetReportLineSink(&Capture);
    g_lines.clear();
    try
    {
        CWindowsApiFailed::CreateAndThrow(L"SelectObject", 6, "src\\INC\\ResourceTracker", 1612);
    }
    catch (CError const& error)
    {
        error.Report();

        EXPECT_EQ(CError::SetReporter(&CaptureError), nullptr); // the default was installed
        g_reported.clear();
        error.Report();
        ASSERT_EQ(g_reported.size(), 1u);
        EXPECT_EQ(g_reported[0], &error);
        EXPECT_EQ(CError::SetReporter(nullptr), &CaptureError);
    }
    _SetReportLineSink(previousSink);
    ASSERT_EQ(g_lines.size(), 1u); // the second report went to the host's reporter only
    EXPECT_EQ(g_lines[0], L"LumoCtrls: SelectObject failed with code 6 [src\\INC\\ResourceTracker:1612]");
}

TEST(Errors, TheDefaultSinkWritesUtf8ToStandardErrorAndTheWholeLineToTheDebugOutput)
{
    ReportLineSink const previousOutput = _SetDebugOutput(&Capture);
    g_lines.clear();
    ::testing::internal::CaptureStderr();
    _WriteReportLine(L"a\u00e9\u20ac\U0001F600");
    std::string const written = ::testing::internal::GetCapturedStderr();
    _SetDebugOutput(previousOutput);
    EXPECT_EQ(written, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\n");
    EXPECT_EQ(g_lines, std::vector<std::wstring>{L"a\u00e9\u20ac\U0001F600\n"});
}
} // namespace
