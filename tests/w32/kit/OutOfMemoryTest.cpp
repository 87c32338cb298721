// What the library's own code does when the base library's allocator refuses (linked statically here, so
// that the allocator can be told to refuse).
#include "Kit/KitGuiLib/Memory.h"
#include "LumoCtrls/Errors.h"
#include "LumoCtrls/SharedHandle.h"

#include <gtest/gtest.h>

namespace
{
int g_destroyed = 0;
struct CountingDeleter
{
    void operator()(HANDLE) const { ++g_destroyed; }
};

TEST(OutOfMemory, ACountedHandleWithoutACounterDestroysTheHandleItWasGivenAndKeepsWhatItHeld)
{
    TSharedHandle<HANDLE, CountingDeleter> held(reinterpret_cast<HANDLE>(0x1000));
    g_destroyed = 0;
    CMemory::FailAllocationAfter(1);
    EXPECT_THROW(held.Attach(reinterpret_cast<HANDLE>(0x2000)), COutOfMemory);
    EXPECT_EQ(g_destroyed, 1) << "nobody else holds the new handle";
    EXPECT_EQ(held.GetHandle(), reinterpret_cast<HANDLE>(0x1000));
    EXPECT_EQ(held.GetReferenceCount(), 1u);
}
} // namespace
