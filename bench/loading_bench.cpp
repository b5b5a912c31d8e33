// Loading the catalogue against the bare cost of reading both files into lines, each
// on a warm and on a cold heap. Targets: 100,000 ships load within 1.5x that floor, and
// ten times the ships take at most 11x the time; checking the files costs at most twice
// loading them, and grows as loading does. A summary with these ratios follows the
// usual table.
#include "bench/RatioReporter.h"
#include "checker/Checker.h"
#include "shipdata/Cshipdatamanagemer.h"
#include "tests/support/BenchCatalogue.h"
#include "toolkit/TextFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <malloc.h>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Sizes[] = {1000, 10000, 100000};

long MinorFaults()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Arguments: ships, and 1 for a cold heap. Warm: the heap keeps what the last iteration
// freed (see main). Cold: between iterations, outside the timing, the heap hands its free
// memory back to the system, so every page is faulted in anew, as at program start; on
// this kind of machine a page fault is dear, so the two can differ a lot.
template <class Work>
void Measure(benchmark::State& state, Work work)
{
    const bool cold = state.range(1) != 0;
    long faults = 0;
    for (auto _ : state) {
        const long before = MinorFaults();
        auto result = work();
        faults += MinorFaults() - before;
        state.PauseTiming();
        result.reset();
        if (cold)
            ::malloc_trim(0);
        state.ResumeTiming();
    }
    state.counters["faults"] = benchmark::Counter(static_cast<double>(faults), benchmark::Counter::kAvgIterations);
}

void BM_ReadLines(benchmark::State& state)
{
    const testsupport::CatalogueFiles& c = testsupport::BenchCatalogue(static_cast<int>(state.range(0)));
    struct Lines {
        std::vector<std::string> ships, materials;
    };
    std::size_t count = 0;
    Measure(state, [&] {
        auto lines = std::make_unique<Lines>();
        toolkit::ReadTextFileLines(c.ships, lines->ships);
        toolkit::ReadTextFileLines(c.materials, lines->materials);
        count = lines->ships.size() - 1;
        return lines;
    });
    state.counters["ships"] = static_cast<double>(count);
}

void LoadCatalogue(benchmark::State& state, bool trailingBlank)
{
    const testsupport::CatalogueFiles& c = testsupport::BenchCatalogue(static_cast<int>(state.range(0)), trailingBlank);
    int count = 0;
    Measure(state, [&] {
        auto manager = std::make_unique<CShipDataManager>(c.ships, c.materials);
        count = manager->GetCount();
        return manager;
    });
    if (count != state.range(0))
        state.SkipWithError("not every ship was loaded");
    state.counters["ships"] = count;
}

void BM_LoadCatalogue(benchmark::State& state)
{
    LoadCatalogue(state, false);
}

// Every ship found by the search for the line that holds its name.
void BM_LoadCatalogueWithoutExactLines(benchmark::State& state)
{
    LoadCatalogue(state, true);
}

// The data checker on the same files: it loads them with an observer and reports nothing.
void BM_CheckCatalogue(benchmark::State& state)
{
    const testsupport::CatalogueFiles& c = testsupport::BenchCatalogue(static_cast<int>(state.range(0)));
    std::string first;
    Measure(state, [&] {
        auto report = std::make_unique<checker::Report>(checker::Check(c.ships, c.materials));
        first = report->Findings.empty() ? std::string() : checker::Format(report->Findings.front());
        return report;
    });
    if (!first.empty())
        state.SkipWithError(("the generated files have findings: " + first).c_str());
}

void AllSizes(benchmark::internal::Benchmark* b)
{
    for (int cold : {0, 1})
        for (int n : Sizes)
            b->Args({n, cold});
    b->ArgNames({"ships", "cold"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_ReadLines)->Apply(AllSizes);
BENCHMARK(BM_LoadCatalogue)->Apply(AllSizes);
BENCHMARK(BM_LoadCatalogueWithoutExactLines)->Apply(AllSizes);
BENCHMARK(BM_CheckCatalogue)->Apply(AllSizes);

// Prints the usual table, then load/floor per size and the growth from size to size.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // args reads "ships:N/cold:C".
            int size = 0, cold = 0;
            if (std::sscanf(run.run_name.args.c_str(), "ships:%d/cold:%d", &size, &cold) == 2)
                Times.Take(run, Key{run.run_name.function_name, cold != 0, size});
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const bool cold : {false, true}) {
            std::printf("\n%s heap\n%8s %12s %12s %10s %12s %12s\n", cold ? "cold" : "warm", "ships", "floor ms",
                        "load ms", "load/floor", "floor x10", "load x10");
            double previousFloor = 0, previousLoad = 0;
            for (int n : Sizes) {
                const Key floorKey{"BM_ReadLines", cold, n}, loadKey{"BM_LoadCatalogue", cold, n};
                if (!Times.Has(floorKey) || !Times.Has(loadKey))
                    continue;
                const double f = Times[floorKey], l = Times[loadKey];
                std::printf("%8d %12.3f %12.3f %10.2f", n, f, l, l / f);
                if (previousFloor > 0)
                    std::printf(" %12.2f %12.2f", f / previousFloor, l / previousLoad);
                std::printf("\n");
                previousFloor = f;
                previousLoad = l;
            }
            const Key floor100k{"BM_ReadLines", cold, 100000}, load100k{"BM_LoadCatalogue", cold, 100000},
                load10k{"BM_LoadCatalogue", cold, 10000};
            if (Times.Has(floor100k) && Times.Has(load100k) && Times.Has(load10k)) {
                const double ratio = Times[load100k] / Times[floor100k];
                const double growth = Times[load100k] / Times[load10k];
                std::printf("goal: 100,000 ships within 1.5x the floor: %.2fx %s; 10x ships at most 11x time: %.2fx %s\n",
                            ratio, ratio <= 1.5 ? "met" : "MISSED", growth, growth <= 11 ? "met" : "MISSED");
            }
            const Key check100k{"BM_CheckCatalogue", cold, 100000}, check10k{"BM_CheckCatalogue", cold, 10000};
            if (Times.Has(check100k) && Times.Has(load100k) && Times.Has(check10k)) {
                const double ratio = Times[check100k] / Times[load100k];
                const double growth = Times[check100k] / Times[check10k];
                std::printf("goal: checking 100,000 ships within 2x loading them: %.2fx %s (%.3f ms); "
                            "10x ships at most 11x time: %.2fx %s\n",
                            ratio, ratio <= 2 ? "met" : "MISSED", Times[check100k], growth,
                            growth <= 11 ? "met" : "MISSED");
            }
        }
        std::fflush(stdout);
    }

private:
    using Key = std::tuple<std::string, bool, int>;
    bench::CaseTimes<Key> Times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Keep freed memory in the heap and large buffers out of mmap, so that warm runs
    // really reuse their memory; the cold runs give it back on purpose.
    ::mallopt(M_TRIM_THRESHOLD, 1 << 30);
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
