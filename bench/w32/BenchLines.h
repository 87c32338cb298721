// What the Windows benchmarks share: a millisecond clock and the one-line report
//     <measure>: ours <value> <unit>, <peer> <value> <unit>, ratio <theirs/ours>
// (n/a where the peer is not measured).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench
{
inline double Now()
{
    static LARGE_INTEGER const frequency = []
    {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The committed private memory of the process: every region of the address space that is the process's
// own. (Wine answers 0 for the private bytes of GetProcessMemoryInfo; the walk works everywhere.)
inline long long PrivateBytes()
{
    long long total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (char const* address = nullptr; VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<char const*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += static_cast<long long>(region.RegionSize);
    return total;
}

// theirs < 0: the peer was not measured.
inline void Line(char const* measure, double ours, char const* peer, double theirs, char const* unit)
{
    if (theirs < 0)
        std::printf("%s: ours %.3f %s, %s n/a, ratio n/a\n", measure, ours, unit, peer);
    else
        std::printf("%s: ours %.3f %s, %s %.3f %s, ratio %.2f\n", measure, ours, unit, peer, theirs, unit,
                    ours > 0 ? theirs / ours : 0.0);
    std::fflush(stdout);
}

// The median of `runs` timings of work (each run may prepare itself untimed through prepare).
template <class Prepare, class Work> double MedianMs(int runs, Prepare const& prepare, Work const& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
    {
        prepare(i);
        double const start = Now();
        work(i);
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace bench
