#!/usr/bin/env bash
# Shows that the fast tests (labels unit and gl) catch the deliberate faults of scripts/mutants.txt.
# Copies the checkout's tracked files into a scratch folder, builds there once, then for each
# fault: applies it, rebuilds, runs the tests, notes the first that failed, restores the file.
# Prints a table at the end; exits 0 only when every fault applied, compiled and was caught.
# The build and test output of each fault stays in the scratch folder's logs/. About 5 minutes
# on two quiet cores, 10 while other builds share them.
#
#   scripts/mutants.sh [scratch folder, default /tmp/varne-mutants]
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
scratch=${1:-/tmp/varne-mutants}
src=$scratch/src
build=$scratch/build

# Only a folder this script made is ever removed.
if [ -e "$scratch" ] && [ ! -e "$scratch/.mutants" ]; then
    echo "$scratch exists and was not made by $0; give another folder" >&2
    exit 2
fi
rm -rf "$scratch"
mkdir -p "$src" "$scratch/logs"
touch "$scratch/.mutants"
(cd "$repo" && git ls-files -z | xargs -0 cp --parents -t "$src")

# compile and fast_tests write their output to $log.build and $log.ctest.
compile() {
    cmake --build "$build" -j 2 --target unit_tests gl_tests >"$log.build" 2>&1
}

# True when every test passed; otherwise LastTestsFailed.log names the failures.
fast_tests() {
    rm -f "$build/Testing/Temporary/LastTestsFailed.log"
    "$src/scripts/with-display.sh" ctest --test-dir "$build" -L 'unit|gl' --timeout 120 \
        --output-on-failure >"$log.ctest" 2>&1 </dev/null
}

first_failure() {
    local failed=$build/Testing/Temporary/LastTestsFailed.log
    [ -f "$failed" ] || return 1
    local count first
    count=$(wc -l <"$failed")
    first=$(head -n 1 "$failed" | cut -d: -f2-)
    if ((count > 1)); then echo "$first (+$((count - 1)) more)"; else echo "$first"; fi
}

# Writes the faulty file from the pristine one; true when the substitution matched exactly once.
apply() {
    local file=$1 substitution=$2
    [ -f "$src/$file" ] || return 1
    cp "$src/$file" "$scratch/pristine"
    perl -0777 -pe "\$n = ${substitution}g; END { \$? = \$n == 1 ? 0 : 3 }" \
        "$scratch/pristine" >"$src/$file"
}

SECONDS=0
echo "building in $build"
log=$scratch/logs/unchanged
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$log.configure"
compile || { echo "the unchanged sources do not build: see $log.build" >&2; exit 2; }
if ! fast_tests; then
    echo "the unchanged sources fail $(first_failure): see $log.ctest" >&2
    exit 2
fi

rows=() problems=()
while read -r -u 3 name file substitution; do
    [[ -z $name || $name == \#* ]] && continue
    echo "$name ($file)"
    log=$scratch/logs/$name
    caught=false
    if ! apply "$file" "$substitution"; then
        result="DOES NOT APPLY (must match exactly once)"
    elif ! compile; then
        result="DOES NOT COMPILE"
    elif fast_tests; then
        result=MISSED
    elif ! result=$(first_failure); then
        result="CTEST FAILED WITHOUT A FAILING TEST"
    else
        caught=true
    fi
    if [ -f "$scratch/pristine" ]; then
        cp "$scratch/pristine" "$src/$file"  # with a new time stamp, so it is rebuilt
        rm "$scratch/pristine"
    fi
    $caught || problems+=("$name")
    rows+=("$(printf '%-24s %-30s %s' "$name" "$file" "$result")")
done 3<"$repo/scripts/mutants.txt"

printf '\n%-24s %-30s %s\n' fault file "first failing test"
printf '%s\n' "${rows[@]}"
echo "${#rows[@]} faults, ${#problems[@]} not caught${problems:+: ${problems[*]}};" \
    "$((SECONDS / 60)) min $((SECONDS % 60)) s"
((${#problems[@]} == 0))
