// A re-entrant lock and its scope guard. The controls take these only around class registration, the
// creation of process-wide singletons, shared fonts and hook registrations.
#pragma once

#include <mutex>

class CCriticalSection
{
public:
    CCriticalSection() = default;
    CCriticalSection(CCriticalSection const&) = delete;
    CCriticalSection& operator=(CCriticalSection const&) = delete;

    void Enter() { m_mutex.lock(); }
    void Leave() { m_mutex.unlock(); }

private:
    std::recursive_mutex m_mutex; // re-entrant, as a Win32 critical section is
};

class CLock
{
public:
    explicit CLock(CCriticalSection& section) : m_section(section) { m_section.Enter(); }
    ~CLock() { m_section.Leave(); }
    CLock(CLock const&) = delete;
    CLock& operator=(CLock const&) = delete;

private:
    CCriticalSection& m_section;
};
