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

# The stress scene: the median frame with 1000 extra boxes against the plain
# scene, 800 x 600 without multisampling, three runs of each taken in turns.
plain=() boxes=()
for _ in 1 2 3; do
  plain+=("$("$scene" plain 300)")
  boxes+=("$("$scene" plain 300 1000)")
done
p=$(printf '%s\n' "${plain[@]}" | median)
b=$(printf '%s\n' "${boxes[@]}" | median)
echo "scene frame without multisampling: ${p} ms; with 1000 extra boxes: ${b} ms"
awk -v p="$p" -v b="$b" 'BEGIN {printf "boxes1000_vs_scene: %.3f\n", b / p}'

# Live, on the real clock: the median frame with 10,000 extra boxes against
# 1,000, three runs of each taken in turns. The physics' time budget keeps the
# heavier one's frames coming; without it each slow frame asks for more steps.
light=() heavy=()
for _ in 1 2 3; do
  light+=("$("$scene" live 200 1000)")
  heavy+=("$("$scene" live 200 10000)")
done
l=$(printf '%s\n' "${light[@]}" | median)
h=$(printf '%s\n' "${heavy[@]}" | median)
echo "live frame with 1000 extra boxes: ${l} ms; with 10000: ${h} ms"
awk -v l="$l" -v h="$h" 'BEGIN {printf "boxes10000_vs_boxes1000: %.3f\n", h / l}'
