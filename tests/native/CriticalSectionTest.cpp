#include "Kit/KitGuiLib/CriticalSection.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace
{
TEST(CriticalSection, TheOwnerMayEnterAgainWhileOtherThreadsWait)
{
    CCriticalSection section;
    std::atomic<bool> otherEntered{false};
    std::thread other;
    {
        CLock outer(section);
        {
            CLock inner(section); // re-entered by its owner, as one registration calling another does
        }
        other = std::thread(
            [&]
            {
                CLock lock(section);
                otherEntered = true;
            });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(otherEntered) << "leaving the inner lock released the section";
    }
    other.join();
    EXPECT_TRUE(otherEntered);
}
} // namespace
