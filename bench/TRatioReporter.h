// The console report of a benchmark program that ends with the ratios of measured runs to
// their baselines of the same run (the times themselves depend on the machine).
//
//   int main(int argc, char **argv) {
//       return TRatioReporter::RunAll(argc, argv, {{"image", "BM_Image", "BM_Baseline", 3.0}});
//   }
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    struct TRatio {
        const char *What;
        std::string Measured;
        std::string Baseline;
        double Target; // 0: the ratio is reported without a target
    };

    explicit TRatioReporter(std::vector<TRatio> ratios) : FRatios(std::move(ratios)) {}

    static int RunAll(int argc, char **argv, std::vector<TRatio> ratios) {
        benchmark::Initialize(&argc, argv);
        TRatioReporter reporter(std::move(ratios));
        benchmark::RunSpecifiedBenchmarks(&reporter);
        benchmark::Shutdown();
        return 0;
    }

    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median counts; a single run counts as it is.
        for (const Run &run : runs)
            if (run.aggregate_name.empty() || run.aggregate_name == "median")
                FZeit[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const TRatio &r : FRatios) {
            if (!FZeit.count(r.Measured) || !FZeit.count(r.Baseline) || FZeit[r.Baseline] <= 0)
                continue;
            const double ratio = FZeit[r.Measured] / FZeit[r.Baseline];
            if (r.Target > 0)
                std::printf("ratio %s: %.3gx (target within %.1fx)\n", r.What, ratio, r.Target);
            else
                std::printf("ratio %s: %.3gx (reported, no target)\n", r.What, ratio);
        }
    }

private:
    std::vector<TRatio> FRatios;
    std::map<std::string, double> FZeit;
};
