#include "Kit/KitGuiLib/Memory.h"

#include <cstdlib>
#include <cstdint>
#include <atomic>
#include <mutex>

namespace
{
// Every block starts with this header, so that Free needs no lookup to tell the kinds apart and a tracked
// block can unlink itself.
struct BlockHeader
{
    std::uint32_t magic;
    int line;
    char const* sourcePath; // null for a plain block
    std::size_t size;
    BlockHeader* previous;
    BlockHeader* next;
    void* raw; // what malloc returned
};

// The user's part is aligned for any fundamental type, 16 bytes on every target; malloc only promises 8
// on i686, so blocks are aligned here. The header sits right before the user's part.
constexpr std::size_t kAlignment = 16;
constexpr std::size_t kHeaderSize = (sizeof(BlockHeader) + kAlignment - 1) / kAlignment * kAlignment;

// Tells the library's blocks from pointers that never came from it. (A block freed twice is not detected:
// its header is gone with it, as with free itself.)
constexpr std::uint32_t kMagic = 0x4C4D454Du;

BlockHeader* HeaderOf(void* block)
{
    return reinterpret_cast<BlockHeader*>(static_cast<unsigned char*>(block) - kHeaderSize);
}

// Tracked blocks, oldest first. A plain mutex, not a critical section of our own: the allocator must not
// depend on anything that allocates.
std::mutex& TrackedLock()
{
    static std::mutex lock;
    return lock;
}
std::atomic<unsigned> g_failureCountdown{0};
BlockHeader* g_oldest = nullptr;
BlockHeader* g_newest = nullptr;
std::size_t g_trackedCount = 0;

void* Allocate(std::size_t size, char const* sourcePath, int line)
{
    if (size > SIZE_MAX - kHeaderSize - kAlignment)
        return nullptr;
    for (unsigned countdown = g_failureCountdown.load(); countdown != 0;)
        if (g_failureCountdown.compare_exchange_weak(countdown, countdown - 1))
        {
            if (countdown == 1)
                return nullptr;
            break;
        }
    void* const raw = std::malloc(kHeaderSize + size + kAlignment - 1);
    if (raw == nullptr)
        return nullptr;
    std::uintptr_t const user =
        (reinterpret_cast<std::uintptr_t>(raw) + kHeaderSize + kAlignment - 1) & ~(kAlignment - 1);
    BlockHeader* const header = HeaderOf(reinterpret_cast<void*>(user));
    header->raw = raw;
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
    return reinterpret_cast<void*>(user);
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
    BlockHeader* const header = HeaderOf(block);
    if (header->magic != kMagic)
        std::abort(); // not ours: continuing would corrupt the heap
    if (header->sourcePath != nullptr)
    {
        std::lock_guard<std::mutex> guard(TrackedLock());
        (header->previous != nullptr ? header->previous->next : g_oldest) = header->next;
        (header->next != nullptr ? header->next->previous : g_newest) = header->previous;
        --g_trackedCount;
    }
    header->magic = 0;
    std::free(header->raw);
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

void CMemory::FailAllocationAfter(unsigned n)
{
    g_failureCountdown = n;
}
