// The calculator's figures against native x87 arithmetic, over the whole realistic grid and
// a hundred million random builds, and the time a shown price takes.
#include "shiptab/Calculator.h"
#include "tests/support/X87Builds.h"

#include <benchmark/benchmark.h>

namespace {

// One build per iteration; any difference fails the run.
void Compare(benchmark::State& state, uint64_t count, x87::Build (*build)(uint64_t))
{
    if (!x87::Native) {
        state.SkipWithError("long double is not the x87 format here");
        return;
    }
    uint64_t i = 0, differences = 0;
    for (auto _ : state) {
        const x87::Build b = build(i++ % count);
        differences += shiptab::ShownPrice(b.figure, b.factor, b.percent) !=
                           x87::ShownPrice(b.figure, b.factor, b.percent) ||
                       shiptab::CurrentCapacity(b.percent, b.figure) != x87::CurrentCapacity(b.percent, b.figure);
    }
    state.counters["builds"] = static_cast<double>(i);
    state.counters["differences"] = static_cast<double>(differences);
    if (differences != 0)
        state.SkipWithError("figures differ from x87");
}
BENCHMARK_CAPTURE(Compare, realistic, x87::RealisticCount, x87::Realistic)
    ->Iterations(static_cast<benchmark::IterationCount>(x87::RealisticCount));
BENCHMARK_CAPTURE(Compare, random, UINT64_MAX, x87::Random)->Iterations(100'000'000);

void BM_ShownPrice(benchmark::State& state)
{
    uint64_t i = 0;
    for (auto _ : state) {
        const x87::Build b = x87::Realistic(i++ % x87::RealisticCount);
        benchmark::DoNotOptimize(shiptab::ShownPrice(b.figure, b.factor, b.percent));
    }
}
BENCHMARK(BM_ShownPrice);

} // namespace

BENCHMARK_MAIN();
