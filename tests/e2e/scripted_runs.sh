# Runs the command line shapes: a headless run to a screenshot, a run recorded from real keys
# and mouse buttons whose two replays end in the recorded state, a classic scene's run whose
# replay does too, and what is refused. (Files of earlier format versions are recording_test's.)
source "$(dirname "$0")/lib.sh" "$@"
cp -r "$SRC/data" data
export ALSOFT_DRIVERS=null VARNE_MESSAGEBOX=no

"$BIN" --mode 6 --frames 90 --fixed-step 0.02 --screenshot shot.png >out.txt 2>&1 ||
  fail "headless run: exit $? $(cat out.txt)"
[ "$(identify -format '%wx%h' shot.png)" = 800x600 ] || fail "screenshot size"
shows 800x150+0+150 'b>r && b>0.5' 0.3 "no sky in shot"
shows 800x120+0+470 'g>r && g>b' 0.3 "no floor in shot"
grep -qF "Screenshot saved: $WORK/shot.png" log.txt || fail "screenshot not logged"
# Shadows asked for where the driver has no depth textures: said once, and the run goes on.
MESA_EXTENSION_OVERRIDE=-GL_ARB_shadow "$BIN" --mode 6 --frames 30 --shadows >out.txt 2>&1 ||
  fail "shadows without depth textures: exit $? $(cat out.txt)"
[ "$(grep -c 'Shadows cannot be turned on: no depth textures' log.txt)" = 1 ] ||
  fail "no single line on the missing depth textures: $(grep -i shadow log.txt)"

# Recorded from the user's keys and buttons: pause, a step, slow motion, a throw, a drag, a reset.
"$BIN" --mode 6 --record run.rec >recorded.txt 2>&1 &
PID=$!
focus_scene
press F2 F3 F3 F2 F7
xdotool mousedown 3; sleep 0.3; xdotool mouseup 3; sleep 0.5
xdotool mousedown 1; sleep 0.3; xdotool mousemove_relative 40 10; sleep 0.5; xdotool mouseup 1
press F8 F5
xdotool mousedown 3; sleep 0.3; xdotool mouseup 3; sleep 1
press Escape
expect_exit_0
recorded=$(hash_of recorded.txt)
for run in 1 2; do
  "$BIN" --replay run.rec >replay$run.txt 2>&1 || fail "replay $run: exit $?"
  [ "$(hash_of replay$run.txt)" = "$recorded" ] || fail "replay $run: $(hash_of replay$run.txt), recorded $recorded"
done
grep -qF "Scene reset" log.txt || fail "the replay did not reset the scene"

# A classic scene's run, a ball thrown and F9 to the next scene: its replay starts in the same scene.
"$BIN" --mode 6 --scene tower --record scene.rec >recorded.txt 2>&1 &
PID=$!
focus_scene
xdotool mousedown 3; sleep 0.3; xdotool mouseup 3; sleep 0.5
press F9
sleep 1
press Escape
expect_exit_0
grep -qF "Scene: dominoes" log.txt || fail "F9 did not show the dominoes after the tower"
"$BIN" --replay scene.rec >replay_scene.txt 2>&1 || fail "scene replay: exit $?"
[ "$(hash_of replay_scene.txt)" = "$(hash_of recorded.txt)" ] || fail "scene replay: $(hash_of replay_scene.txt)"

# Refused before anything opens: a damaged recording, a wrong value, an unknown option, a clash
# (each option's own refusals are options_test's).
head -c -3 run.rec >cut.rec
for args in "--replay cut.rec" "--mode 9" "--frame 3" "--record a --replay b"; do
  rm -f log.txt
  set +e; "$BIN" $args >out.txt 2>err.txt; code=$?; set -e
  [ "$code" = 2 ] || fail "$args: exit $code"
  [ -s err.txt ] && [ ! -e log.txt ] || fail "$args: no message, or the program started"
  echo "ok: $args: $(head -n 1 err.txt)"
done
echo "ok: headless shot; recorded and both replays end in $recorded"
