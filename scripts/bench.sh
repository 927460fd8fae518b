#!/usr/bin/env bash
# Runs the benchmarks of a build folder (default build/) and prints their table
# and the summary of ratios. Timings mean something only in a Release build
# without sanitizers, so any other build is refused. Extra arguments go to the
# benchmark program (e.g. --benchmark_filter=bmp).
set -euo pipefail
build=${1:-build}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)

cache="$build/CMakeCache.txt"
if ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$cache" 2>/dev/null ||
   grep -qx 'VARNE_SANITIZE:BOOL=ON' "$cache"; then
  echo "bench: $build is not a Release build without sanitizers;" >&2
  echo "       configure one with: cmake -S $root -B $build -DCMAKE_BUILD_TYPE=Release -DVARNE_SANITIZE=OFF" >&2
  exit 1
fi
cmake --build "$build" --target varne_bench varne_scene >/dev/null

# Run from the repository root, with a display for benchmarks that draw.
cd "$root"
scripts/with-display.sh "$build/bench/varne_bench" \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@" | tee "$build/bench-summary.txt"
[ $# -eq 0 ] || exit 0   # a filtered run is about the library benchmarks only
BUILD="$build" scripts/with-display.sh scripts/bench-scene.sh | tee -a "$build/bench-summary.txt"
echo
echo "Summary:"
grep -E '^[a-z0-9_]+: [0-9.]+( \(.*\))?$' "$build/bench-summary.txt"
