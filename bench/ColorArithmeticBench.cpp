// ns per call of each colour function, and its ratio to a baseline loop that does only what every one of
// them must do: unpack the three channels of its argument and pack a result.
#include "LumoCtrls/ColorArithmetic.h"

#include "BaselineReporter.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace
{
// A spread of inputs, so that no branch of the conversions is always taken.
std::vector<COLORREF> const& Inputs()
{
    static std::vector<COLORREF> const inputs = []
    {
        std::vector<COLORREF> values(4096);
        COLORREF x = 0x12345678;
        for (COLORREF& v : values)
        {
            x = x * 1664525u + 1013904223u;
            v = x & 0xFFFFFF;
        }
        return values;
    }();
    return inputs;
}

template <class Function> void RunOverInputs(benchmark::State& state, Function&& function)
{
    std::vector<COLORREF> const& inputs = Inputs();
    std::size_t i = 0;
    for (auto _ : state)
    {
        COLORREF result = function(inputs[i]);
        benchmark::DoNotOptimize(result);
        i = (i + 1) & (inputs.size() - 1);
    }
}

void Baseline(benchmark::State& state)
{
    RunOverInputs(state,
                  [](COLORREF c)
                  {
                      int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
                      benchmark::DoNotOptimize(r);
                      return static_cast<COLORREF>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
                  });
}
void Darken(benchmark::State& state)
{
    RunOverInputs(state, [](COLORREF c) { return DarkenColor(30, c); });
}
void Lighten(benchmark::State& state)
{
    RunOverInputs(state, [](COLORREF c) { return LightenColor(70, c); });
}
void Mid(benchmark::State& state)
{
    RunOverInputs(state, [](COLORREF c) { return MidColor(c, ~c); });
}
void Mixed(benchmark::State& state)
{
    RunOverInputs(state, [](COLORREF c) { return MixedColor(c, ~c); });
}
void ToHls(benchmark::State& state)
{
    RunOverInputs(state, [](COLORREF c) { return RGB2HLS(c); });
}
void ToRgb(benchmark::State& state)
{
    RunOverInputs(state, [](COLORREF c)
                  { return HLS2RGB((c % 241) | ((c >> 8) % 241) << 8 | ((c >> 16) % 241) << 16); });
}
void Transform(benchmark::State& state)
{
    RunOverInputs(state, [](COLORREF c) { return HLS_TRANSFORM(c, 30, -20); });
}

BENCHMARK(Baseline);
BENCHMARK(Darken);
BENCHMARK(Lighten);
BENCHMARK(Mid);
BENCHMARK(Mixed);
BENCHMARK(ToHls);
BENCHMARK(ToRgb);
BENCHMARK(Transform);

class ColourRatios : public BaselineReporter
{
protected:
    void PrintRatios(std::map<std::string, double> const& nanoseconds, double baseline) override
    {
        std::printf("\nratio to baseline (unpack + repack, %.2f ns):\n", baseline);
        for (auto const& entry : nanoseconds)
            if (entry.first != "Baseline")
                std::printf("  %-10s %6.2f ns  x%.1f\n", entry.first.c_str(), entry.second,
                            entry.second / baseline);
    }
};
} // namespace

int main(int argc, char** argv)
{
    ColourRatios reporter;
    return RunBenchmarks(argc, argv, reporter);
}
