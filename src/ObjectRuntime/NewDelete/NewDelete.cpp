#include "LumoCtrls/LibraryMemory.h"

#include "Kit/KitGuiLib/Memory.h"
#include "LumoCtrls/Errors.h"

namespace
{
char const kSourcePath[] = "src/ObjectRuntime/NewDelete/NewDelete";
constexpr int kAllocateLine = 57;
} // namespace

void* lumo::Allocate(std::size_t size)
{
    void* block = CMemory::Malloc(size);
    if (block == nullptr)
        COutOfMemory::CreateAndThrow(kSourcePath, kAllocateLine);
    return block;
}

void* lumo::AllocateTracked(std::size_t size, char const* sourcePath, int line)
{
    void* block = CMemory::Malloc(size, sourcePath, line);
    if (block == nullptr)
        COutOfMemory::CreateAndThrow(sourcePath, line);
    return block;
}

void lumo::Release(void* block)
{
    CMemory::Free(block);
}
