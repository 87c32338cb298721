#include "LumoCtrls/LumoCtrls.h"

#include <gtest/gtest.h>

namespace
{
TEST(Instance, InitialisesOnceAndAlwaysReturnsTheSameObject)
{
    CLumoControls* const first = CLumoControls::Instance();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->IsInitialised());
    EXPECT_EQ(CLumoControls::Instance(), first);
}

TEST(Instance, RegistersTheCommonControlClassesItAsksFor)
{
    CLumoControls::Instance();
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    // List view and up-down are among the classes the initialisation names.
    EXPECT_TRUE(GetClassInfoExW(nullptr, L"SysListView32", &info));
    EXPECT_TRUE(GetClassInfoExW(nullptr, L"msctls_updown32", &info));
}

TEST(Instance, ComponentFrameworkEntryPointsAcceptAnything)
{
    EXPECT_EQ(InitialiseATL(0), 1);
    EXPECT_EQ(InitialiseATL(0xFFFFFFFFul), 1);
    TerminateATL();
    EXPECT_EQ(InitialiseATL(7), 1);
}
} // namespace
