#include "Kit/KitGuiLib/Memory.h"
#include "LumoCtrls/LibraryMemory.h"
#include "LumoCtrls/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
struct Located
{
    std::string path;
    int line;
    std::size_t size;
};

std::vector<Located> TrackedNow()
{
    std::vector<Located> blocks;
    CMemory::EnumerateTracked(
        [&](char const* path, int line, std::size_t size) {
            blocks.push_back({path, line, size});
        });
    return blocks;
}

TEST(Memory, TracksBlocksByLocationUntilTheyAreFreedInAnyOrder)
{
    std::size_t const before = CMemory::GetTrackedCount();
    void* a = CMemory::Malloc(10, "a.cpp", 1);
    void* plain = CMemory::Malloc(20);
    void* b = CMemory::Malloc(30, "b.cpp", 2);
    void* c = CMemory::Malloc(40, "c.cpp", 3);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(CMemory::GetTrackedCount(), before + 3);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(b) % 16, 0u); // aligned for any fundamental type

    CMemory::Free(b); // from the middle of the list
    std::vector<Located> blocks = TrackedNow();
    ASSERT_EQ(blocks.size(), before + 2);
    EXPECT_EQ(blocks[before].path, "a.cpp");
    EXPECT_EQ(blocks[before + 1].path, "c.cpp");
    EXPECT_EQ(blocks[before + 1].line, 3);
    EXPECT_EQ(blocks[before + 1].size, 40u);

    CMemory::Free(c); // the newest
    CMemory::Free(a); // the oldest
    CMemory::Free(plain);
    CMemory::Free(nullptr);
    EXPECT_EQ(CMemory::GetTrackedCount(), before);
    EXPECT_TRUE(TrackedNow().size() == before);
}

TEST(Memory, AnImpossibleSizeOrAnAskedForRefusalGivesNullNotACrash)
{
    EXPECT_EQ(CMemory::Malloc(SIZE_MAX), nullptr);
    EXPECT_EQ(CMemory::Malloc(SIZE_MAX - 8, "x.cpp", 9), nullptr);
    CMemory::FailAllocationAfter(2);
    void* const first = CMemory::Malloc(8);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(CMemory::Malloc(8), nullptr);
    void* const third = CMemory::Malloc(8);
    EXPECT_NE(third, nullptr) << "one refusal only";
    CMemory::Free(first);
    CMemory::Free(third);
}

struct Probe : CLibraryObject
{
    explicit Probe(bool fail)
    {
        if (fail)
            throw 42;
    }
    char payload[64];
};

TEST(NewDelete, LibraryObjectsComeFromTheTrackedAllocatorAndGoBack)
{
    std::size_t const before = CMemory::GetTrackedCount();
    Probe* tracked = new ("src/Tests/Probe", 12) Probe(false);
    std::vector<Located> blocks = TrackedNow();
    ASSERT_EQ(blocks.size(), before + 1);
    EXPECT_EQ(blocks.back().path, "src/Tests/Probe");
    EXPECT_EQ(blocks.back().line, 12);
    delete tracked;
    EXPECT_EQ(CMemory::GetTrackedCount(), before);

    // A throwing constructor gives the tracked block back.
    EXPECT_THROW(new ("src/Tests/Probe", 13) Probe(true), int);
    EXPECT_EQ(CMemory::GetTrackedCount(), before);
}

TEST(NewDelete, AFailedAllocationThrowsOutOfMemoryNamingWhereItHappened)
{
    try
    {
        lumo::Allocate(SIZE_MAX);
        FAIL() << "no exception";
    }
    catch (COutOfMemory const& error)
    {
        EXPECT_STREQ(error.GetSourcePath(), "src/ObjectRuntime/NewDelete/NewDelete");
        EXPECT_EQ(error.GetLine(), 57);
    }
    try
    {
        lumo::AllocateTracked(SIZE_MAX, "src/INC/SharedHandle", 195);
        FAIL() << "no exception";
    }
    catch (COutOfMemory const& error)
    {
        EXPECT_STREQ(error.GetSourcePath(), "src/INC/SharedHandle");
        EXPECT_EQ(error.GetLine(), 195);
    }
}
} // namespace
