// The time a shown price takes, over realistic builds. The comparison with native x87
// arithmetic is the unit test SameAsX87Test (SHIPPLANNER_X87_LONG=1 for the long run).
#include "shipdata/Cshipdatamanagemer.h"
#include "shiptab/Calculator.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ShownPrice(benchmark::State& state)
{
    uint64_t i = 0;
    for (auto _ : state) {
        const auto price = static_cast<int32_t>(1 + 7 * (i / 67 % 28572));
        const auto percent = static_cast<int32_t>(i % 67) * 3 - 100;
        benchmark::DoNotOptimize(shiptab::ShownPrice(price, MaterialPriceFactors[i++ % MaterialCount], percent));
    }
}
BENCHMARK(BM_ShownPrice);

} // namespace

BENCHMARK_MAIN();
