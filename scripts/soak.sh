#!/usr/bin/env bash
# The soak run: builds varne_soak in a build folder (default build/) and runs
# the real scene for many scripted frames with an X display and no sound,
# failing when resident memory grows after the warm-up or a body's transform
# stops being finite. Not part of CI.
#
#   scripts/soak.sh [build folder] [frames]     default: build, 20000 frames
set -euo pipefail
build=${1:-build}
frames=${2:-20000}
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$build" --target varne_soak >/dev/null
cd "$root"
ALSOFT_DRIVERS=null scripts/with-display.sh "$build/bench/varne_soak" "$frames"
