// The base library's allocator: plain blocks, and tracked blocks that remember the source location that
// asked for them, so that a block still alive at the end (a leak) can be named.
#pragma once

#include <cstddef>
#include <functional>

class CMemory
{
public:
    // Null when the block cannot be allocated; callers report that themselves.
    static void* Malloc(std::size_t size);
    static void* Malloc(std::size_t size, char const* sourcePath, int line);

    // Accepts null and blocks of either kind.
    static void Free(void* block);

    // Tracked blocks alive now.
    static std::size_t GetTrackedCount();

    // Calls visit for each tracked block alive now, oldest first.
    static void
    EnumerateTracked(std::function<void(char const* sourcePath, int line, std::size_t size)> const& visit);

    // For tests of what callers do when memory runs out: the nth allocation from now (n >= 1) returns
    // null as if the heap were exhausted; 0 cancels a countdown that has not run out.
    static void FailAllocationAfter(unsigned n);
};
