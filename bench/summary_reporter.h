// What the benchmark programs share: the start of a run whose benchmarks take turns, and the
// console report keeping each benchmark's best time per iteration (processor seconds, least of
// its repetitions) for the ratios printed after it.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace velquist::bench {

// Starts Google Benchmark with the command line and random interleaving, so that a reference
// and the case measured against it share the machine's ups and downs. False: an argument it
// does not know, already reported.
inline bool startInterleaved(int argc, char** argv) {
    std::vector<char*> args{argv[0],
                            const_cast<char*>("--benchmark_enable_random_interleaving=true")};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    return !benchmark::ReportUnrecognizedArguments(count, args.data());
}

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
