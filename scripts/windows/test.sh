#!/usr/bin/env bash
# Tests the Windows build under Wine on an X display (a private Xvfb unless
# DISPLAY is set), each part against the Linux build on the same machine:
#  1. the unit tests;
#  2. the program from the unpacked zip as a user starts it: the launcher
#     driven with real keys (Down, Down, Return), the scene, F10 (shadows on:
#     Windows takes F10 alone for the window's menu key, which would swallow
#     the Escape after it), Escape; exit code 0 and the same log lines in the
#     same order as the Linux build's;
#  3. fixed-step runs' screenshots, without and with shadows, against the
#     Linux build's: the share of pixels that differ and the largest
#     difference, each under a bound;
#  4. the music of part 2, written by OpenAL Soft's wave-file backend: its RMS
#     within a ratio of the Linux build's;
#  5. a replay of a recording the Linux build made: the same final state hash,
#     or else the first frame whose hash differs.
# Usage: test.sh <windows build folder> <zip> <Linux 3d-varne>
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
[ -n "${DISPLAY:-}" ] || exec "$root/scripts/with-display.sh" "$0" "$@"
build=$(realpath "$1") zip=$(realpath "$2") linux=$(realpath "$3")

# Bounds of part 3 (the share of pixels that may differ; the two builds have
# drawn the same picture so far) and part 4 (the music's RMS against Linux's).
max_differing_share=0.001 rms_ratio_bound=1.25

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export VARNE_MESSAGEBOX=yes ALSOFT_DRIVERS=null
fail() { echo "FAIL: $*" >&2; exit 1; }
# Whatever a failed run left in this prefix ends with the script.
trap 'wineserver --kill 2>/dev/null || true' EXIT

[ -d "$WINEPREFIX" ] || { wineboot --init >/dev/null 2>&1 && wineserver --wait; }

# The program runs from what users unpack; the unit tests beside it find the same DLLs.
app=$build/wine-run/3d-varne
rm -rf "$build/wine-run" && unzip -q "$zip" -d "$build/wine-run"
cp "$build/tests/unit_tests.exe" "$app/"
linux_run=$build/linux-run
rm -rf "$linux_run" && mkdir -p "$linux_run" && cp -r "$root/data" "$linux_run/"

echo "windows: 1. unit tests under Wine"
(cd "$build/tests" && SDL_VIDEODRIVER=dummy wine "$app/unit_tests.exe") || fail "unit tests"

# Each key held for 0.4 s, as a person would.
press() {
  for key in "$@"; do xdotool keydown "$key"; sleep 0.4; xdotool keyup "$key"; sleep 0.2; done
}
# Waits up to 60 s for a text in the log of folder $1.
await_log() {
  for ((i = 0; i < 600; i++)); do
    [ -f "$1/log.txt" ] && tr -d '\r' <"$1/log.txt" | grep -qF -- "$2" && return 0
    sleep 0.1
  done
  fail "$1/log.txt never showed: $2"
}
focus() {
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^3D-Varne$' | head -n 1) ||
    fail "no window named 3D-Varne"
  xdotool windowfocus --sync "$window"
}
# <folder> <command...>: the launcher, Down, Down, Return, three seconds of the
# scene with the music written to music.wav, F10, then Escape; the exit code must be 0.
drive() {
  local folder=$1 pid code
  shift
  rm -f "$folder/log.txt" "$folder/music.wav"
  (cd "$folder" && exec "$@") &
  pid=$!
  await_log "$folder" "Menu Init:"
  sleep 0.5 && focus && press Down Down Return
  await_log "$folder" "Starting the Main-Loop"
  sleep 0.5 && focus && sleep 3 && press F10
  await_log "$folder" "Shadows: a "
  press Escape
  code=0 && timeout 60 tail --pid=$pid -f /dev/null || fail "$* still running after Escape"
  wait $pid || code=$?
  [ $code = 0 ] || fail "$* exited with $code"
}
# The log without its date and the lines that name the GL driver and audio device.
log_lines() {
  tr -d '\r' <"$1/log.txt" | sed 1d |
    grep -v -e '^OpenGL \(vendor\|renderer\|version\):' -e '^Audio device:' -e '^Screenshot saved:'
}
rms() { sox "$1" -n stat 2>&1 | awk '/RMS     amplitude/ {print $3}'; }

echo "windows: 2. the launcher and the scene, driven with keys, on Linux and under Wine"
printf '[general]\ndrivers = wave\nsample-type = int16\n[wave]\nfile = music.wav\n' >"$app/alsoft.ini"
(cd "$linux_run" && cp "$app/alsoft.ini" .)
ALSOFT_CONF=$linux_run/alsoft.ini ALSOFT_DRIVERS=wave drive "$linux_run" "$linux"
ALSOFT_DRIVERS=wave drive "$app" wine 3d-varne.exe
grep -q '^Resolution 800x600 at 16 bpp, Fullscreen: 0$' <(log_lines "$app") ||
  fail "the keys did not choose the windowed 800 x 600 mode"
grep -q '^destroying the Bass instance$' <(log_lines "$app") || fail "no shut-down in log.txt"
diff <(log_lines "$linux_run") <(log_lines "$app") || fail "log.txt differs from Linux's"
echo "windows: same $(log_lines "$app" | wc -l) log lines as Linux, in the same order"

echo "windows: 4. the music"
linux_rms=$(rms "$linux_run/music.wav") wine_rms=$(rms "$app/music.wav")
echo "windows: music RMS $wine_rms under Wine, $linux_rms on Linux"
awk -v w="$wine_rms" -v l="$linux_rms" -v b="$rms_ratio_bound" \
  'BEGIN { exit !(l > 0.01 && w > l / b && w < l * b) }' || fail "music not heard as on Linux"

echo "windows: 3. fixed-step runs' screenshots against Linux's"
# <name> <options...>: the same run on Linux and under Wine, compared.
compare_shots() {
  local name=$1 differing largest share
  shift
  for side in "$linux_run:$linux" "$app:wine 3d-varne.exe"; do
    (cd "${side%%:*}" && timeout 180 ${side#*:} --mode 6 --fixed-step 0.0166667 "$@" \
      --screenshot "$name.png") || fail "${side#*:} $* exited with $?"
  done
  differing=$(compare -metric AE "$linux_run/$name.png" "$app/$name.png" null: 2>&1 || true)
  largest=$(compare -metric PAE "$linux_run/$name.png" "$app/$name.png" null: 2>&1 || true)
  largest=$(awk -v p="${largest#*(}" 'BEGIN { printf "%d", p * 255 + 0.5 }')
  share=$(awk -v d="$differing" 'BEGIN { printf "%.4f", d / (800 * 600) }')
  echo "windows: $name: $differing pixels differ ($share of the frame), the largest by $largest of 255"
  awk -v s="$share" -v m="$max_differing_share" 'BEGIN { exit !(s <= m) }' ||
    fail "$name: more than $max_differing_share of the pixels differ"
}
compare_shots shot --frames 300
compare_shots shadows --frames 120 --shadows

echo "windows: 5. a recording made on Linux, replayed under Wine"
run_hash() {
  local folder=$1 frames=$2 hash
  shift 2
  rm -f "$folder/log.txt"
  (cd "$folder" && timeout 180 "$@" --replay run.rec --frames "$frames" >/dev/null 2>&1) ||
    fail "$* --replay exited with $?"
  hash=$(tr -d '\r' <"$folder/log.txt" | grep -oE 'final state hash: [0-9a-f]{16}') ||
    fail "no hash in $folder/log.txt"
  echo "${hash##* }"
}
# Pushes, lifts and a thrown ball, with the live frame times of this machine.
(cd "$linux_run" && exec "$linux" --mode 6 --record run.rec >/dev/null) &
pid=$!
await_log "$linux_run" "Starting the Main-Loop"
sleep 0.5 && focus && press W W space A
xdotool mousedown 3 && sleep 0.3 && xdotool mouseup 3 && sleep 1 && press Escape
wait $pid || fail "the recorded run exited with $?"
cp "$linux_run/run.rec" "$app/"
frames=$(tr -d '\r' <"$linux_run/log.txt" | sed -n 's/^final state hash: .* (\([0-9]*\) frames)$/\1/p')
linux_hash=$(run_hash "$linux_run" "$frames" "$linux")
wine_hash=$(run_hash "$app" "$frames" wine 3d-varne.exe)
if [ "$wine_hash" != "$linux_hash" ]; then
  # The first frame whose hash differs: the runs agree up to `low`, not at `high`.
  low=0 high=$frames
  while ((high - low > 1)); do
    mid=$(((low + high) / 2))
    if [ "$(run_hash "$app" $mid wine 3d-varne.exe)" = "$(run_hash "$linux_run" $mid "$linux")" ]; then
      low=$mid
    else
      high=$mid
    fi
  done
  fail "the replay's hash $wine_hash differs from Linux's $linux_hash from frame $high of $frames"
fi
echo "windows: the replay of $frames frames ends in $wine_hash under Wine and on Linux"
echo "windows: all passed"
