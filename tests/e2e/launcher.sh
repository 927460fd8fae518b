# The launcher as a user meets it: the mode chosen with the arrows and Enter,
# the fullscreen question when the display has no such mode, and quitting.
source "$(dirname "$0")/lib.sh" "$@"

# Enter at once: 1024x768 at 32 bits fullscreen, which this display lacks.
ANSWER=yes open_launcher
press Return
wait_log "Starting the Main-Loop"
grep -qF "Resolution 1024x768 at 32 bpp, Fullscreen: 1" log.txt || fail "entry 4 not stored"
grep -qF "Use Windowed Mode Instead? : yes" log.txt || fail "no fullscreen question"
press Escape
expect_exit_0
echo "ok: refused fullscreen, answered yes, runs windowed"

ANSWER=no open_launcher
press Return
expect_exit_0
grep -qF "Use Windowed Mode Instead? : no" log.txt || fail "question not answered no"
tail -n 1 log.txt | grep -qxF "Program Will Now Close." || fail "no closing message"
echo "ok: refused fullscreen, answered no, closes"

# Entry 7: three steps down, a 1024 x 768 window.
open_launcher
press Down Down Down Return
wait_log "Starting the Main-Loop"
grep -qF "Resolution 1024x768 at 16 bpp, Fullscreen: 0" log.txt || fail "entry 7 not stored"
scene=$(window_id 3D-Varne)
xdotool getwindowgeometry "$scene" | grep -q "Geometry: 1024x768" || fail "scene window is not 1024 wide"
xdotool windowfocus --sync "$scene"
press Escape
expect_exit_0
echo "ok: entry 7 opens a 1024 x 768 window"

# Leaving the launcher never reads the configuration.
for how in escape close; do
  open_launcher
  case $how in
    escape) press Escape ;;
    close) "$WM_CLOSE" "$LAUNCHER" ;;
  esac
  expect_exit_0
  ! grep -qF "Loading Configuration" log.txt || fail "$how: configuration was read"
  ! grep -qF "InitGL:" log.txt || fail "$how: scene window opened"
  [ ! -s stderr.txt ] || fail "$how: unexpected output: $(cat stderr.txt)"
  echo "ok: $how in the launcher quits"
done
