// How the library's own objects get their memory: always from the base library's allocator, and a
// failed allocation is thrown as COutOfMemory rather than returned.
//
//     auto* entry = new (__FILE__, __LINE__) CEntry(...);   // tracked: a leak names this line
//     auto* node = new CNode(...);                          // plain
//
// Classes opt in by deriving from CLibraryObject.
//
// Exported, because the counted handle wrappers are templates compiled into hosts too: a counter allocated
// in a host and released by the library (or the other way round) must come from one allocator.
#pragma once

#include "LumoCtrls/Export.h"

#include <cstddef>

namespace lumo
{
// Plain allocation; throws COutOfMemory naming the allocator when the block cannot be had.
LUMO_API void* Allocate(std::size_t size);

// Tracked allocation; throws COutOfMemory naming the caller's source path and line.
LUMO_API void* AllocateTracked(std::size_t size, char const* sourcePath, int line);

LUMO_API void Release(void* block);
} // namespace lumo

class CLibraryObject
{
public:
    static void* operator new(std::size_t size) { return lumo::Allocate(size); }
    static void* operator new(std::size_t size, char const* sourcePath, int line)
    {
        return lumo::AllocateTracked(size, sourcePath, line);
    }
    static void operator delete(void* block) { lumo::Release(block); }
    // Called only when a constructor throws after the tracked allocation succeeded.
    static void operator delete(void* block, char const*, int) { lumo::Release(block); }

    static void* operator new[](std::size_t) = delete;
    static void operator delete[](void*) = delete;
};
