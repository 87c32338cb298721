#include "Kit/KitLib/w32/Module.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
void FunctionOfThisExecutable() {}

TEST(ModuleFromFunction, NamesTheModuleThatHoldsTheCode)
{
    EXPECT_EQ(_GetModuleFromFunction(reinterpret_cast<void const*>(&FunctionOfThisExecutable)),
              GetModuleHandleW(nullptr));
    EXPECT_EQ(_GetModuleFromFunction(reinterpret_cast<void const*>(&GetTickCount)),
              GetModuleHandleW(L"kernel32.dll"));
}

TEST(ModuleFromFunction, AnAddressOutsideEveryModuleGivesNull)
{
    auto const heapBlock = std::make_unique<int>(0);
    EXPECT_EQ(_GetModuleFromFunction(heapBlock.get()), nullptr);
}
} // namespace
