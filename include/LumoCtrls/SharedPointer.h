// A counted owner of a heap object, and the holder of a module handle that tells loaders whose
// resources to use.
#pragma once

#include <windows.h>

#include "LumoCtrls/LibraryMemory.h"
#include "LumoCtrls/SharedHandle.h"

// The counting of TSharedHandle for an object created with new: the last holder deletes it.
template <class T> class TSharedPointer
{
public:
    TSharedPointer() = default;
    explicit TSharedPointer(T* object) { Attach(object); }
    TSharedPointer(TSharedPointer const& other) : m_counter(other.m_counter), m_object(other.m_object)
    {
        if (m_counter != nullptr)
            ++m_counter->references;
    }
    TSharedPointer& operator=(TSharedPointer const& other)
    {
        if (this != &other)
        {
            if (other.m_counter != nullptr)
                ++other.m_counter->references;
            Release();
            m_counter = other.m_counter;
            m_object = other.m_object;
        }
        return *this;
    }
    virtual ~TSharedPointer() { Release(); }

    void Attach(T* object)
    {
        SSharedCounter* counter = nullptr;
        if (object != nullptr)
        {
            try
            {
                counter = static_cast<SSharedCounter*>(
                    lumo::AllocateTracked(sizeof(SSharedCounter), "src\\INC\\SharedPointer", 194));
            }
            catch (...)
            {
                delete object; // taken over: it must not leak when it cannot be held
                throw;
            }
            counter->owns = 1;
            counter->references = 1;
        }
        Release();
        m_counter = counter;
        m_object = object;
    }

    void Release() noexcept
    {
        if (m_counter == nullptr)
            return;
        if (--m_counter->references == 0)
        {
            delete m_object;
            lumo::Release(m_counter);
        }
        m_counter = nullptr;
        m_object = nullptr;
    }

    T* Get() const { return m_object; }
    T* operator->() const { return m_object; }
    T& operator*() const { return *m_object; }
    bool IsEmpty() const { return m_object == nullptr; }

private:
    SSharedCounter* m_counter = nullptr;
    T* m_object = nullptr;
};

// Which module's resources an image or string loader uses (the toolbar keeps one for its host).
template <class H> class TWinResWrapper;

template <> class TWinResWrapper<HINSTANCE>
{
public:
    TWinResWrapper() = default;
    explicit TWinResWrapper(HINSTANCE module) : m_module(module), m_present(module != nullptr) {}
    virtual ~TWinResWrapper() = default;

    HINSTANCE GetHandle() const { return m_module; }
    bool IsPresent() const { return m_present; }

private:
    HINSTANCE m_module = nullptr;
    bool m_present = false;
};

static_assert(sizeof(TWinResWrapper<HINSTANCE>) == 3 * sizeof(void*), "module holder layout");
