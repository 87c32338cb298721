// Fixed-size objects from blocks of many: one allocation per block instead of one per object, and no
// per-object heap overhead. Freed objects are reused; when the last one goes, the blocks are given back.
#pragma once

#include "LumoCtrls/LibraryMemory.h"

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace lumo
{
template <class T, std::size_t PerBlock = 1024> class ObjectPool
{
public:
    ObjectPool() = default;
    ~ObjectPool() { ReleaseBlocks(); }
    ObjectPool(ObjectPool const&) = delete;
    ObjectPool& operator=(ObjectPool const&) = delete;

    template <class... Arguments> T* New(Arguments&&... arguments)
    {
        if (m_free == nullptr)
            AddBlock();
        Slot* const slot = m_free;
        m_free = slot->next;
        T* object;
        try
        {
            object = ::new (static_cast<void*>(slot->storage)) T(std::forward<Arguments>(arguments)...);
        }
        catch (...)
        {
            slot->next = m_free;
            m_free = slot;
            throw;
        }
        ++m_alive;
        return object;
    }

    void Delete(T* object)
    {
        object->~T();
        Slot* const slot = reinterpret_cast<Slot*>(object);
        slot->next = m_free;
        m_free = slot;
        if (--m_alive == 0)
            ReleaseBlocks();
    }

    std::size_t Alive() const { return m_alive; }

private:
    union Slot
    {
        Slot* next;
        alignas(T) unsigned char storage[sizeof(T)];
    };

    void AddBlock()
    {
        m_blocks.reserve(m_blocks.size() + 1);
        auto* const block = static_cast<Slot*>(Allocate(sizeof(Slot) * PerBlock));
        m_blocks.push_back(block);
        for (std::size_t i = 0; i < PerBlock; ++i)
        {
            block[i].next = m_free;
            m_free = &block[i];
        }
    }

    void ReleaseBlocks()
    {
        for (Slot* block : m_blocks)
            Release(block);
        m_blocks.clear();
        m_free = nullptr;
    }

    std::vector<Slot*> m_blocks;
    Slot* m_free = nullptr;
    std::size_t m_alive = 0;
};
} // namespace lumo
