#include <array>
#include <cstdio>
#include <string_view>

#include <benchmark/benchmark.h>

#include <calc/calculation.h>
#include <calc/conversions.h>
#include <calc/format_real.h>
#include <calc/run_time_error.h>

namespace {

// Texts a box can hold and roots the program shows, in a realistic mix.
constexpr std::array<std::string_view, 6> texts = {"1", "-3", "999", "2.5", "9e8", "&HF"};
constexpr std::array<double, 8> shownRoots = {2.0,  -1.0, 1.4142135623730951,     -0.3333333333333333,
                                              0.25, 1e15, -4.656612873077393e-10, 31.606961258558215};

void ParseCoefficient(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::string_view text : texts)
            benchmark::DoNotOptimize(calc::parseCoefficient(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(ParseCoefficient);

// A rejected text costs an exception on top of the parse.
void ParseCoefficientOverflow(benchmark::State& state)
{
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(calc::parseCoefficient("9e9"));
        } catch (const calc::RunTimeError&) {
        }
    }
}
BENCHMARK(ParseCoefficientOverflow);

void FormatReal(benchmark::State& state)
{
    for (auto _ : state)
        for (double root : shownRoots)
            benchmark::DoNotOptimize(calc::formatReal(root));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(shownRoots.size()));
}
BENCHMARK(FormatReal);

void SnprintfG15(benchmark::State& state)
{
    char buffer[32];
    for (auto _ : state) {
        for (double root : shownRoots) {
            benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.15G", root));
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(shownRoots.size()));
}
BENCHMARK(SnprintfG15);

void Calculate(benchmark::State& state, std::string_view a, std::string_view b, std::string_view c)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::calculate(a, b, c));
}
BENCHMARK_CAPTURE(Calculate, quadratic_1_m3_2, "1", "-3", "2");
BENCHMARK_CAPTURE(Calculate, quadratic_1_0_m2, "1", "0", "-2");
BENCHMARK_CAPTURE(Calculate, quadratic_1_999_1, "1", "999", "1");  // x1 cancels in -b + √d
BENCHMARK_CAPTURE(Calculate, linear_0_3_1, "0", "3", "1");

}  // namespace
