# Without a display the program says so on standard error and in the log and ends with code 1:
# a display named in the environment that cannot be opened is named, with SDL's reason after it.
# SDL's off-screen driver still runs when it is asked for by name.
source "$(dirname "$0")/lib.sh" "$@"
cp -r "$SRC/data" data
export ALSOFT_DRIVERS=null VARNE_MESSAGEBOX=no

# <the display named, or none> <expected line, a grep -x pattern>; no server listens on :9999.
while read -r named message; do
  code=0
  rm -f log.txt
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ${named#none} timeout 20 "$BIN" \
    2>stderr.txt || code=$?
  [ "$code" = 1 ] || fail "$named: exit code $code"
  grep -qx "$message" stderr.txt || fail "$named: stderr: $(cat stderr.txt)"
  grep -qx "$message" log.txt || fail "$named: log never showed: $message"
  echo "ok: $named: $(grep -x "$message" log.txt)"
done <<'CASES'
none no display: set DISPLAY, or run under xvfb-run
DISPLAY= no display: set DISPLAY, or run under xvfb-run
DISPLAY=:9999 cannot open display :9999 (set in DISPLAY): .*[^ ]
WAYLAND_DISPLAY=varne-none cannot open display varne-none (set in WAYLAND_DISPLAY): .*[^ ]
CASES

env -u DISPLAY SDL_VIDEODRIVER=offscreen "$BIN" 2>stderr.txt &
PID=$!
wait_log "Menu Init:"
sleep 1
running || fail "the off-screen run ended"
echo "ok: the off-screen driver asked for by name runs"
