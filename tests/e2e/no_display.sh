# Without a display the program says so on standard error and in the log and ends with code 1;
# SDL's off-screen driver still runs when it is asked for by name.
source "$(dirname "$0")/lib.sh" "$@"
cp -r "$SRC/data" data
export ALSOFT_DRIVERS=null VARNE_MESSAGEBOX=no
message="no display: set DISPLAY, or run under xvfb-run"

code=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$BIN" 2>stderr.txt || code=$?
[ "$code" = 1 ] || fail "exit code $code"
grep -qxF "$message" stderr.txt || fail "stderr: $(cat stderr.txt)"
grep -qxF "$message" log.txt || fail "log never showed: $message"
echo "ok: no display: $message"

env -u DISPLAY SDL_VIDEODRIVER=offscreen "$BIN" 2>stderr.txt &
PID=$!
wait_log "Menu Init:"
sleep 1
running || fail "the off-screen run ended"
echo "ok: the off-screen driver asked for by name runs"
