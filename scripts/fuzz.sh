#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz (clang, address and undefined-
# behaviour sanitizers) in build-fuzz and runs each one for a bounded time over
# its committed seeds:
#
#   scripts/fuzz.sh [seconds] [reader...]     default: 60 s, every reader
#
# The committed seeds are only read; new corpus entries go to a scratch folder
# that is removed at the end. A crashing input is kept in build-fuzz/crashes/.
# Prints the executions, coverage and outcome of each harness and exits
# non-zero when any of them crashed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
[ $# -gt 0 ] && shift
build=build-fuzz

# Longest input per reader: the largest seed (a real texture or model) fits whole.
declare -A max_len=(
  [config]=8192 [file_list]=1024 [skybox]=1024 [model_description]=512
  [shader]=4096 [bmp]=200000 [tga]=200000 [md2]=8192 [panel_layout]=4096
)
readers=("$@")
[ ${#readers[@]} -eq 0 ] && readers=(config file_list skybox model_description shader bmp tga md2 panel_layout)
for r in "${readers[@]}"; do
  [ -n "${max_len[$r]:-}" ] || { echo "unknown reader: $r (one of: ${!max_len[*]})" >&2; exit 2; }
done

if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DVARNE_FUZZ=ON \
  -DVARNE_WERROR="${VARNE_WERROR:-OFF}" >/dev/null
cmake --build "$build" --target fuzzers -j "$(nproc)"

crashes=$root/$build/crashes
mkdir -p "$crashes"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/varne-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
# The readers append to log.txt in the working directory: here it is discarded.
cd "$scratch"
ln -s /dev/null log.txt
# Leaks count as crashes here, even where the caller turned leak checks off.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1"
export UBSAN_OPTIONS=print_stacktrace=1

# The last progress line's value of a field ("cov:", "ft:").
last_field() { grep -E '^#[0-9]+' "$1" | tail -n 1 | sed -n "s/.* $2 \([0-9]*\).*/\1/p"; }

failed=0
summary=$(printf '%-18s %12s %8s %8s %6s  %s' reader executions cov ft new result)
for r in "${readers[@]}"; do
  echo "== fuzz_$r: ${seconds} s"
  mkdir -p "new/$r"
  result=ok
  if ! "$root/$build/tests/fuzz/fuzz_$r" -max_total_time="$seconds" -max_len="${max_len[$r]}" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/$r-" \
      "new/$r" "$root/tests/fuzz/corpus/$r" >"$r.log" 2>&1; then
    failed=1
    result="CRASH: $(grep -m 1 -E 'ERROR:|runtime error|check failed' "$r.log" || echo "exit status")"
    tail -n 60 "$r.log"  # the report and where the input was saved
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$r.log")
  summary+=$(printf '\n%-18s %12s %8s %8s %6s  %s' "$r" "${executions:-?}" "$(last_field "$r.log" cov:)" \
    "$(last_field "$r.log" ft:)" "$(find "new/$r" -type f | wc -l)" "$result")
done
echo "$summary"
exit $failed
