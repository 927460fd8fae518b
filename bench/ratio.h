// Ratios measured side by side in one run. Each comparison registers our
// benchmark and its baseline under one name; after the run the summary prints
// one line "name: ratio" per comparison: our median wall time per iteration
// divided by the baseline's (the single measurement when the run has no
// repetitions), or for a comparison in turns the median per-pair ratio
// followed by its spread in brackets. Checks registered here run before any
// timing.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>

namespace varne_bench {

using Body = std::function<void(benchmark::State&)>;

// Registers "<name>/ours" and "<name>/baseline" next to each other. Returns
// true, so adding a comparison is one line at namespace scope:
//   const bool added = varne_bench::compare("bmp_vs_stb", ours, baseline);
bool compare(const char* name, Body ours, Body baseline);

// One turn of one side: its own set-up and tear-down untimed, the seconds of
// the work itself.
using Turn = std::function<double()>;

// Registers "<name>/turns": pairs of turns taken alternately, ours and the
// baseline's (the first of a pair changes sides every pair, so that a warm
// cache or a change in the machine's load favours neither). The summary gives
// the median of the per-pair ratios, ours / baseline, with the middle half of
// them as its spread.
bool compareInTurns(const char* name, Turn ours, Turn baseline, int pairs);

// CPU seconds of the calling thread: unlike wall time, not counting the time
// the machine gives to other work.
double threadSeconds();

// A check to pass before anything is timed, such as our result equalling the
// baseline's; returns true like compare.
bool check(const char* name, std::function<bool()> passes);

// Runs the checks, then the benchmarks the command line selects, then prints
// the summary. Returns the exit code: 1 when a check failed.
int run(int argc, char** argv);

}  // namespace varne_bench
