// The benchmarks' reporting: Google Benchmark's usual table, then each benchmark's time as a multiple of
// the "Baseline" benchmark of the same run (times on another day or machine are not comparable; ratios
// measured in one run are).
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class BaselineReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(std::vector<Run> const& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (Run const& run : runs)
            m_nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        PrintRatios(m_nanoseconds, m_nanoseconds["Baseline"]);
    }

protected:
    // Nanoseconds per iteration by benchmark name, and the baseline's.
    virtual void PrintRatios(std::map<std::string, double> const& nanoseconds, double baseline) = 0;

private:
    std::map<std::string, double> m_nanoseconds;
};

inline int RunBenchmarks(int argc, char** argv, BaselineReporter& reporter)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
