// The benchmarks' console table, keeping each benchmark's real time per iteration so that a
// program prints the ratios to its baselines after the table.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &reports) override {
        for (const Run &run : reports)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                Times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(reports);
    }
    void Ratio(const char *what, const std::string &a, const std::string &b) const {
        const auto x = Times.find(a), y = Times.find(b);
        if (x == Times.end() || y == Times.end() || y->second <= 0)
            return;
        std::printf("%-44s %8.4f\n", what, x->second / y->second);
    }
    std::map<std::string, double> Times;
};

// A benchmark program's main: runs the benchmarks with the reporter, then prints the ratios.
inline int RunWithRatios(int argc, char **argv,
                         const std::function<void(const TRatioReporter &)> &ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nratios (real time; below 1 is faster than the baseline):\n");
    ratios(reporter);
    benchmark::Shutdown();
    return 0;
}
