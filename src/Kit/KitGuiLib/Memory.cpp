#include "Kit/KitGuiLib/Memory.h"

#include <cstdlib>
#include <cstdint>
#include <mutex>

namespace
{
// Every block starts with this header, so that Free needs no lookup to tell the kinds apart and a tracked
// block can unlink itself. Its alignment keeps the user's part aligned for any fundamental type.
struct alignas(16) BlockHeader
{
    std::uint32_t magic;
    int line;
    char const* sourcePath; // null for a plain block
    std::size_t size;
    BlockHeader* previous;
    BlockHeader* next;
};

constexpr std::uint32_t kMagic = 0x4C4D454Du;
constexpr std::uint32_t kFreedMagic = 0x46524545u;

// Tracked blocks, oldest first. A plain mutex, not a critical section of our own: the allocator must not
// depend on anything that allocates.
std::mutex& TrackedLock()
{
    static std::mutex lock;
    return lock;
}
BlockHeader* g_oldest = nullptr;
BlockHeader* g_newest = nullptr;
std::size_t g_trackedCount = 0;

void* Allocate(std::size_t size, char const* sourcePath, int line)
{
    if (size > SIZE_MAX - sizeof(BlockHeader))
        return nullptr;
    auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
    if (header == nullptr)
        return nullptr;
    header->magic = kMagic;
    header->line = line;
    header->sourcePath = sourcePath;
    header->size = size;
    header->previous = nullptr;
    header->next = nullptr;
    if (sourcePath != nullptr)
    {
        std::lock_guard<std::mutex> guard(TrackedLock());
        header->previous = g_newest;
        if (g_newest != nullptr)
            g_newest->next = header;
        else
            g_oldest = header;
        g_newest = header;
        ++g_trackedCount;
    }
    return header + 1;
}
} // namespace

void* CMemory::Malloc(std::size_t size)
{
    return Allocate(size, nullptr, 0);
}

void* CMemory::Malloc(std::size_t size, char const* sourcePath, int line)
{
    // A tracked block needs a location to name; without one it is a plain block.
    return Allocate(size, sourcePath, line);
}

void CMemory::Free(void* block)
{
    if (block == nullptr)
        return;
    BlockHeader* header = static_cast<BlockHeader*>(block) - 1;
    if (header->magic != kMagic)
        std::abort(); // not ours, or freed twice: continuing would corrupt the heap
    if (header->sourcePath != nullptr)
    {
        std::lock_guard<std::mutex> guard(TrackedLock());
        (header->previous != nullptr ? header->previous->next : g_oldest) = header->next;
        (header->next != nullptr ? header->next->previous : g_newest) = header->previous;
        --g_trackedCount;
    }
    header->magic = kFreedMagic;
    std::free(header);
}

std::size_t CMemory::GetTrackedCount()
{
    std::lock_guard<std::mutex> guard(TrackedLock());
    return g_trackedCount;
}

void CMemory::EnumerateTracked(std::function<void(char const*, int, std::size_t)> const& visit)
{
    std::lock_guard<std::mutex> guard(TrackedLock());
    for (BlockHeader const* header = g_oldest; header != nullptr; header = header->next)
        visit(header->sourcePath, header->line, header->size);
}
