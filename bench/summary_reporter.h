// The console report of a benchmark run, keeping each benchmark's best time per iteration
// (processor seconds, least of its repetitions) for the ratios printed after it.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace velquist::bench {

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0) {
                continue;
            }
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty()) {
                name += "/" + run.run_name.args;
            }
            const double perIteration =
                run.cpu_accumulated_time / static_cast<double>(run.iterations);
            auto [it, added] = seconds.emplace(name, perIteration);
            if (!added) {
                it->second = std::min(it->second, perIteration);
            }
        }
    }
    // Benchmark name ("function" or "function/args") to seconds per iteration.
    std::map<std::string, double> seconds;
};

}  // namespace velquist::bench
