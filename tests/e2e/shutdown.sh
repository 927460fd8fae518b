# The program ends cleanly on Escape and on a window manager's close request:
# exit code 0, the shut-down logged exactly once, and no error box.
source "$(dirname "$0")/lib.sh" "$@"

run_and_end() {
  local how=$1
  open_scene_windowed
  case $how in
    escape) xdotool windowfocus --sync "$SCENE"; press Escape ;;
    close) "$WM_CLOSE" "$SCENE" ;;
  esac
  expect_exit_0
  [ "$(count 'Program Shutdown...')" -eq 1 ] || fail "$how: shut-down logged $(count 'Program Shutdown...') times"
  [ "$(count 'destroying the Newton Game Dynamics instance')" -eq 1 ] || fail "$how: world destroyed twice"
  [ ! -s stderr.txt ] || fail "$how: unexpected output: $(cat stderr.txt)"
  echo "ok: ends on $how"
}

run_and_end escape
run_and_end close
