#pragma once
// The usual table, then each figure as a ratio to its floor measured in the same run,
// against its target: the median where the run has repetitions, else the one run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// The time of each case in milliseconds: the median where the run has repetitions, else the
// one run (reported before its aggregates, which then replace it).
template <class Key>
class CaseTimes {
public:
    void Take(const benchmark::BenchmarkReporter::Run& run, const Key& key)
    {
        using Run = benchmark::BenchmarkReporter::Run;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median) || (!median && Medians.contains(key)))
            return;
        if (median)
            Medians.insert(key);
        Times[key] = run.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    bool Has(const Key& key) const { return Times.contains(key); }
    double operator[](const Key& key) const { return Times.at(key); }

private:
    std::map<Key, double> Times;
    std::set<Key> Medians;
};

struct Ratio {
    std::string Figure, Floor; // benchmark names without their arguments
    double Target;             // the most the figure may be, in floors
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Ratio> ratios) : Ratios(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            Times.Take(run, run.run_name.function_name);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const Ratio& r : Ratios) {
            if (!Times.Has(r.Figure) || !Times.Has(r.Floor))
                continue;
            const double ratio = Times[r.Figure] / Times[r.Floor];
            std::printf("%s: %.2fx %s (%.3f ms against %.3f ms); target at most %.2fx: %s\n", r.Figure.c_str(), ratio,
                        r.Floor.c_str(), Times[r.Figure], Times[r.Floor], r.Target,
                        ratio <= r.Target ? "met" : "MISSED");
        }
        std::fflush(stdout);
    }

private:
    std::vector<Ratio> Ratios;
    CaseTimes<std::string> Times;
};

} // namespace bench
