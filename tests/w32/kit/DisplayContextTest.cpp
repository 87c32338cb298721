#include "Kit/KitLib/ReportLine.h"
#include "Kit/KitLib/w32/DisplayContext.h"
#include "Plat/w32/Attach.h"

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

class DisplayContext : public testing::Test
{
protected:
    void SetUp() override
    {
        g_lines.clear();
        m_previous = _SetReportLineSink(&Capture);
    }
    void TearDown() override { _SetReportLineSink(m_previous); }

    ReportLineSink m_previous = nullptr;
    HMODULE const m_self = GetModuleHandleW(nullptr); // this executable carries a string table
};

TEST_F(DisplayContext, ShowsMessagesOfAddedModulesWithTheirArgumentsAndLocation)
{
    ASSERT_NE(_AddResourceToDisplayContext(m_self), 0);
    _SetLastDisplayCall("src/Test/Display", 17)(4242u, L"target", L"source");
    _SetLastDisplayCall("src/Test/Display", 18)(4243u);
    _SetLastDisplayCall("src/Test/Display", 19)(4242u, L"target"); // fewer texts than placeholders
    _RemoveResourceFromDisplayContext(m_self);

    ASSERT_EQ(g_lines.size(), 3u);
    EXPECT_EQ(g_lines[0], L"LumoCtrls message 4242: Copy source to target. [src/Test/Display:17]");
    EXPECT_EQ(g_lines[1], L"LumoCtrls message 4243: No placeholders here. [src/Test/Display:18]");
    EXPECT_EQ(g_lines[2], L"LumoCtrls message 4242: Copy  to target. [src/Test/Display:19]");
}

TEST_F(DisplayContext, AfterRemovalTheTextsAreGone)
{
    ASSERT_NE(_AddResourceToDisplayContext(m_self), 0);
    _RemoveResourceFromDisplayContext(m_self);
    _RemoveResourceFromDisplayContext(m_self); // once too often: ignored
    EXPECT_EQ(_GetDisplayText(4243), L"(no text for this message)");
    EXPECT_EQ(_AddResourceToDisplayContext(nullptr), 0) << "a module that cannot show anything";
}

TEST_F(DisplayContext, AFailedAttachIsDisplayedAndTheLoadGoesOn)
{
    OnProcessAttach(nullptr); // no module: the display context refuses it
    ASSERT_EQ(g_lines.size(), 1u);
    EXPECT_EQ(g_lines[0].rfind(L"LumoCtrls message 301: ", 0), 0u) << g_lines[0];
    EXPECT_NE(g_lines[0].find(L"[src/Plat/w32/dllmain:"), std::wstring::npos) << g_lines[0];
    _SetDebugOutput(nullptr);
}

TEST_F(DisplayContext, ASuccessfulAttachIsSilentAndDetachUndoesIt)
{
    OnProcessAttach(m_self);
    EXPECT_TRUE(g_lines.empty());
    EXPECT_EQ(_GetDisplayText(4243), L"No placeholders here.");
    OnProcessDetach(m_self);
    EXPECT_EQ(_GetDisplayText(4243), L"(no text for this message)");
    _SetDebugOutput(nullptr);
}
} // namespace
