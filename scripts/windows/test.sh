#!/usr/bin/env bash
# Tests the Windows build under Wine on an X display (a private Xvfb unless
# DISPLAY is set): the unit tests that need no display, then the program from
# the zip for 300 frames. Its start-up log must hold the Linux build's lines in
# the same order (but those naming the GL driver and the audio device), and
# its screenshot must show a scene, not a flat image.
# Usage: test.sh <windows build folder> <zip> <Linux 3d-varne>
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
[ -n "${DISPLAY:-}" ] || exec "$root/scripts/with-display.sh" "$0" "$@"
build=$(realpath "$1") zip=$(realpath "$2") linux=$(realpath "$3")

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export VARNE_MESSAGEBOX=yes
# Both runs play to OpenAL Soft's null device.
export ALSOFT_DRIVERS=null
fail() { echo "FAIL: $*" >&2; exit 1; }
# Whatever a failed run left in this prefix ends with the script.
trap 'wineserver --kill 2>/dev/null || true' EXIT

[ -d "$WINEPREFIX" ] || { wineboot --init >/dev/null 2>&1 && wineserver --wait; }

# The program runs from what users unpack; the unit tests beside it find the same DLLs.
app=$build/wine-run/3d-varne
rm -rf "$build/wine-run" && unzip -q "$zip" -d "$build/wine-run"
cp "$build/tests/unit_tests.exe" "$app/"

# Skipped: a test that needs Linux's /dev/full to see a write fail.
skip=Recording.EachDamageIsRefusedWithItsOwnLineAndAFailedWriteIsReported
echo "windows: unit tests under Wine"
(cd "$build/tests" && SDL_VIDEODRIVER=dummy wine "$app/unit_tests.exe" --gtest_filter="-$skip") ||
  fail "unit tests"

# <folder> <command...>: a run of the scene in mode 6 for 300 frames with a screenshot.
run_scene() {
  local folder=$1
  shift
  (cd "$folder" && timeout 120 "$@" --mode 6 --frames 300 --screenshot shot.png) ||
    fail "$* exited with $?"
}
# The log up to the first frame, without the date and the lines that name drivers.
startup_lines() {
  tr -d '\r' <"$1/log.txt" | sed -n '2,/^Starting the Main-Loop$/p' |
    grep -v -e '^OpenGL \(vendor\|renderer\|version\):' -e '^Audio device:'
}

echo "windows: the scene under Wine, and on Linux for its log"
linux_run=$build/linux-run
rm -rf "$linux_run" && mkdir -p "$linux_run" && cp -r "$root/data" "$linux_run/"
run_scene "$linux_run" "$linux"
run_scene "$app" wine 3d-varne.exe
diff <(startup_lines "$linux_run") <(startup_lines "$app") || fail "start-up log differs from Linux"
grep -q '^Starting the Main-Loop$' <(startup_lines "$app") || fail "no first frame in log.txt"

# Sky, floor and bodies: a spread of brightness and more than a handful of colours.
read -r spread colours < <(identify -format '%[fx:standard_deviation] %k\n' "$app/shot.png")
echo "windows: screenshot spread $spread, $colours colours"
awk -v s="$spread" -v c="$colours" 'BEGIN { exit !(s > 0.05 && c >= 64) }' ||
  fail "screenshot looks flat"
echo "windows: all passed"
