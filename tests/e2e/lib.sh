# Shared steps of the end-to-end tests: a private working folder, the real
# binary started in it, waiting for log lines, and the checks on how it ended.
# Usage from a test: source lib.sh <binary> <wm_close> <source dir>
set -euo pipefail

BIN=$1
WM_CLOSE=$2
SRC=$3
WORK=$(mktemp -d /tmp/varne-e2e-XXXXXX)
trap 'kill "${PID:-}" 2>/dev/null || true; rm -rf "$WORK"' EXIT
cd "$WORK"

fail() { echo "FAIL: $*" >&2; [ -f log.txt ] && sed 's/^/  log| /' log.txt >&2; exit 1; }

# Starts the program in the background with scripted message-box answers,
# its sound going nowhere unless a test picks an OpenAL Soft driver.
start() {
  ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null} VARNE_MESSAGEBOX=${ANSWER:-no} "$BIN" >stdout.txt 2>stderr.txt &
  PID=$!
}

# Waits until log.txt holds the text (grep -F), at most $2 seconds.
wait_log() {
  local text=$1 limit=${2:-30} i
  for ((i = 0; i < limit * 10; i++)); do
    grep -qF -- "$text" log.txt 2>/dev/null && return 0
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.1
  done
  grep -qF -- "$text" log.txt 2>/dev/null || fail "log never showed: $text"
}

# The id of the visible window with this exact title.
window_id() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }

# Waits for the program to end; fails on a signal or a non-zero exit code.
expect_exit_0() {
  local rc=0 i
  for ((i = 0; i < 300; i++)); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$PID" 2>/dev/null && fail "program still running"
  wait "$PID" || rc=$?
  PID=
  [ "$rc" -eq 0 ] || fail "exit code $rc"
}

count() { grep -cF -- "$1" log.txt || true; }

# Presses and releases each key in turn, held for a while as a person would:
# the launcher only sees keys that are down while it draws a frame.
press() {
  local key
  for key in "$@"; do
    xdotool keydown "$key"; sleep 0.4; xdotool keyup "$key"; sleep 0.2
  done
}

# Starts the program with the repository's data and waits for the launcher.
open_launcher() {
  rm -rf data log.txt
  cp -r "$SRC/data" data
  start
  wait_log "Menu Init:"
  LAUNCHER=$(window_id 3D-Varne)
  [ -n "$LAUNCHER" ] || fail "no launcher window"
  sleep 0.3
  xdotool windowfocus --sync "$LAUNCHER"
}

# From the launcher into the scene in entry 6, 800 x 600 windowed.
open_scene_windowed() {
  open_launcher
  press Down Down Return
  wait_log "Starting the Main-Loop"
  SCENE=$(window_id 3D-Varne)
  [ -n "$SCENE" ] || fail "no scene window"
}
