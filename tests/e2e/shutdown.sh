# The program ends cleanly on Escape and on a window manager's close request:
# exit code 0, the shut-down logged exactly once, and no error box.
source "$(dirname "$0")/lib.sh" "$@"

run_and_end() {
  local how=$1
  mkdir -p data
  printf '[3D-VARNE-CFG]\n' > data/config.txt
  rm -f log.txt
  start
  wait_log "Starting the Main-Loop"
  local id
  id=$(window_id 3D-Varne)
  [ -n "$id" ] || fail "no window titled 3D-Varne"
  case $how in
    escape) xdotool windowfocus --sync "$id"; xdotool key --delay 50 Escape ;;
    close) "$WM_CLOSE" "$id" ;;
  esac
  expect_exit_0
  [ "$(count 'Program Shutdown...')" -eq 1 ] || fail "$how: shut-down logged $(count 'Program Shutdown...') times"
  [ "$(count 'destroying the Newton Game Dynamics instance')" -eq 1 ] || fail "$how: world destroyed twice"
  [ ! -s stderr.txt ] || fail "$how: unexpected output: $(cat stderr.txt)"
  echo "ok: ends on $how"
}

run_and_end escape
run_and_end close
