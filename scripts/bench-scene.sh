#!/usr/bin/env bash
# The scene's share of make bench, under the display already set: frame times
# against an empty frame and a skybox-only frame in the same window, the main
# thread's CPU time per frame, and start-up to the first scene frame against
# opening an empty GL window of the same size the same two-pass multisampled
# way (the median of five runs of each, taken in turns), the stress scene
# against the plain one, and live the heaviest stress scene against a lighter one.
set -euo pipefail
scene=$BUILD/bench/varne_scene
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}

"$scene" frames 2000

milliseconds() {
  local start end
  start=$(date +%s%N)
  "$scene" "$1" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(( (end - start) / 1000000 ))
}
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

startup=() empty=()
for _ in 1 2 3 4 5; do
  startup+=("$(milliseconds startup)")
  empty+=("$(milliseconds empty)")
done
s=$(printf '%s\n' "${startup[@]}" | median)
e=$(printf '%s\n' "${empty[@]}" | median)
echo "start-up to the first scene frame: ${s} ms; empty GL window: ${e} ms"
awk -v s="$s" -v e="$e" 'BEGIN {printf "startup_vs_empty_window: %.3f\n", s / e}'

# <ratio name> <baseline's arguments> <arguments>: the median frame of each,
# three runs of each taken in turns, and their ratio.
frames_in_turns() {
  local base=() other=() b o
  for _ in 1 2 3; do
    base+=("$("$scene" $2)")
    other+=("$("$scene" $3)")
  done
  b=$(printf '%s\n' "${base[@]}" | median)
  o=$(printf '%s\n' "${other[@]}" | median)
  echo "median frame, $2: ${b} ms; $3: ${o} ms"
  awk -v b="$b" -v o="$o" -v name="$1" 'BEGIN {printf "%s: %.3f\n", name, o / b}'
}

# The stress scene: 1000 extra boxes against the plain scene, 800 x 600
# without multisampling.
frames_in_turns boxes1000_vs_scene "plain 300" "plain 300 1000"
# Live, on the real clock: 10,000 extra boxes against 1,000. The physics'
# time budget keeps the heavier one's frames coming; without it each slow
# frame asks for more steps.
frames_in_turns boxes10000_vs_boxes1000 "live 200 1000" "live 200 10000"
