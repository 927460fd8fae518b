# Shared steps of the end-to-end tests: source lib.sh <binary> <wm_close> <source dir>
set -euo pipefail
BIN=$1 WM_CLOSE=$2 SRC=$3
WORK=$(mktemp -d /tmp/varne-e2e-XXXXXX)
trap 'kill "${PID:-}" 2>/dev/null || true; rm -rf "$WORK"' EXIT
cd "$WORK"

fail() { echo "FAIL: $*" >&2; [ -f log.txt ] && sed 's/^/  log| /' log.txt >&2; exit 1; }
running() { kill -0 "$PID" 2>/dev/null; }
window_id() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1 || true; }

stopped() { ! running; }

# Waits up to 30 s until the command succeeds or the program ends; true when the command did.
await() {
  for ((i = 0; i < 300; i++)); do "$@" && return 0; running && sleep 0.1 || break; done
  "$@"
}

wait_log() { await grep -qF -- "$1" log.txt 2>/dev/null || fail "log never showed: $1"; }
expect_exit_0() {
  await stopped || fail "program still running"
  wait "$PID" || fail "exit code $?"
}

# Each key held for 0.4 s as a person would: the launcher sees only keys down while it draws.
press() {
  for key in "$@"; do xdotool keydown "$key"; sleep 0.4; xdotool keyup "$key"; sleep 0.2; done
}

# Copies the data, runs the command given on it, starts the program and focuses the launcher
# (only its window is waited for when the command made log.txt a folder).
open_launcher() {
  rm -rf data log.txt
  cp -r "$SRC/data" data
  "$@"
  ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null} VARNE_MESSAGEBOX=${ANSWER:-no} "$BIN" 2>stderr.txt &
  PID=$!
  [ -d log.txt ] || wait_log "Menu Init:"
  sleep 0.3
  xdotool windowfocus --sync "$(window_id 3D-Varne)" || fail "no launcher window"
}

# Focuses the scene window, unless the program already ended on its own.
focus_scene() {
  wait_log "Starting the Main-Loop"
  sleep 0.5
  running || return 0
  SCENE=$(window_id 3D-Varne)
  xdotool windowfocus --sync "$SCENE" || fail "no scene window"
}

hash_of() { grep -oE 'final state hash: [0-9a-f]{16}' "$1" || fail "no hash in $1: $(cat "$1")"; }

above() { awk -v v="$1" -v min="$2" 'BEGIN {exit !(v > min)}' || fail "$3 ($1)"; }
# <region> <ImageMagick test> <least share of shot.png's pixels passing it> <failure>
shows() { above "$(convert shot.png -crop "$1" -fx "$2" -format '%[fx:mean]' info:)" "${@:3}"; }

edit() { local file=$1; shift; "$@" <"$SRC/data/$file" >"data/$file"; }

# <reader> <launcher|scene> <expected log text> <edit command...>. The scene starts with Enter
# at once: a fullscreen mode this display lacks, answered with a window.
damaged() {
  local name=$1 stage=$2 expected=$3
  shift 3
  ANSWER=yes open_launcher edit "$@"
  [ "$stage" = launcher ] || { press Return; focus_scene; sleep 1; }
  press Escape
  expect_exit_0
  grep -qF -- "$expected" log.txt || fail "$name: log never showed: $expected"
  echo "ok: $name: $(grep -F -- "$expected" log.txt | head -n 1)"
}
