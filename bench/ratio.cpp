// The comparison registry and the reporter that collects each benchmark's
// time per iteration for the summary of ratios.
#include "bench/ratio.h"

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace varne_bench {
namespace {

struct Check {
    std::string name;
    std::function<bool()> passes;
};

std::vector<std::string>& comparisons() {
    static std::vector<std::string> names;
    return names;
}

std::vector<Check>& checks() {
    static std::vector<Check> all;
    return all;
}

// The console table as usual, plus each benchmark's median (or only) wall
// time per iteration in seconds, by benchmark name.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
            if (!r.error_occurred && (median || single))
                seconds[r.run_name.function_name] =
                    r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
        }
    }
    std::map<std::string, double> seconds;
};

bool runChecks() {
    bool allPass = true;
    for (const Check& c : checks()) {
        const bool passes = c.passes();
        std::printf("check %s: %s\n", c.name.c_str(), passes ? "ok" : "FAILED");
        allPass = allPass && passes;
    }
    return allPass;
}

void printSummary(const std::map<std::string, double>& seconds) {
    std::printf("\nRatios (our median time per iteration / the baseline's, same run):\n");
    for (const std::string& name : comparisons()) {
        auto ours = seconds.find(name + "/ours"), baseline = seconds.find(name + "/baseline");
        if (ours != seconds.end() && baseline != seconds.end() && baseline->second > 0)
            std::printf("%s: %.3f\n", name.c_str(), ours->second / baseline->second);
    }
}

}  // namespace

bool compare(const char* name, Body ours, Body baseline) {
    comparisons().emplace_back(name);
    benchmark::RegisterBenchmark((std::string(name) + "/ours").c_str(), std::move(ours));
    benchmark::RegisterBenchmark((std::string(name) + "/baseline").c_str(), std::move(baseline));
    return true;
}

bool check(const char* name, std::function<bool()> passes) {
    checks().push_back({name, std::move(passes)});
    return true;
}

int run(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!runChecks()) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printSummary(reporter.seconds);
    return 0;
}

}  // namespace varne_bench
