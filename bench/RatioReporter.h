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
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const std::string& name = run.run_name.function_name;
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median) ||
                (!median && Medians.contains(name)))
                continue;
            if (median)
                Medians.insert(name);
            Times[name] = run.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const Ratio& r : Ratios) {
            if (!Times.contains(r.Figure) || !Times.contains(r.Floor))
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
    std::map<std::string, double> Times; // milliseconds
    std::set<std::string> Medians;
};

} // namespace bench
