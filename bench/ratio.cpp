// The comparison registry and the reporter that collects each benchmark's
// time per iteration for the summary of ratios.
#include "bench/ratio.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
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

// The per-pair ratios of a comparison in turns: their median and middle half.
struct TurnsResult {
    double median, low, high;
    int pairs;
};

std::map<std::string, TurnsResult>& turnsResults() {
    static std::map<std::string, TurnsResult> results;
    return results;
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

// The value a quarter (q 0.25), half or three quarters of the way up.
double quantile(const std::vector<double>& sorted, double q) {
    return sorted[std::size_t(q * double(sorted.size() - 1) + 0.5)];
}

TurnsResult takeTurns(const Turn& ours, const Turn& baseline, int pairs) {
    std::vector<double> ratios;
    for (int i = 0; i < pairs; ++i) {
        double oursSeconds, baselineSeconds;
        if (i % 2 == 0) {
            oursSeconds = ours();
            baselineSeconds = baseline();
        } else {
            baselineSeconds = baseline();
            oursSeconds = ours();
        }
        ratios.push_back(oursSeconds / baselineSeconds);
    }
    std::sort(ratios.begin(), ratios.end());
    return {quantile(ratios, 0.5), quantile(ratios, 0.25), quantile(ratios, 0.75), pairs};
}

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
    std::printf("\nRatios (our median time per iteration / the baseline's, same run; in turns: "
                "the median per-pair ratio):\n");
    for (const std::string& name : comparisons()) {
        if (auto turns = turnsResults().find(name); turns != turnsResults().end()) {
            const TurnsResult& t = turns->second;
            std::printf("%s: %.3f (middle half of %d pairs: %.3f to %.3f)\n", name.c_str(),
                        t.median, t.pairs, t.low, t.high);
            continue;
        }
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

bool compareInTurns(const char* name, Turn ours, Turn baseline, int pairs) {
    comparisons().emplace_back(name);
    const std::string key = name;
    auto body = [=](benchmark::State& state) {
        for (auto _ : state) {
            const TurnsResult result = takeTurns(ours, baseline, pairs);
            turnsResults()[key] = result;
            state.counters["ratio"] = result.median;
            state.counters["low"] = result.low;
            state.counters["high"] = result.high;
        }
    };
    benchmark::RegisterBenchmark((key + "/turns").c_str(), body)->Iterations(1)->Repetitions(1);
    return true;
}

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
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
