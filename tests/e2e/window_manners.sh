# The scene towards the desktop: minimised (without a window manager, unmapped, as one unmaps a
# window it minimises) it runs on without drawing and uses little of the processor; resized and
# moved, it turns the camera by nothing; its recording then replays to the recorded hash.
source "$(dirname "$0")/lib.sh" "$@"
cp -r "$SRC/data" data
export ALSOFT_DRIVERS=null VARNE_MESSAGEBOX=no
cpu_ticks() { awk '{print $14 + $15}' "/proc/$PID/stat"; }

"$BIN" --mode 6 --record run.rec >recorded.txt 2>&1 &
PID=$!
focus_scene
xdotool windowunmap --sync "$SCENE"
sleep 0.5
before=$(cpu_ticks)
sleep 3
used=$(($(cpu_ticks) - before))
# 3 s are 300 ticks of one core; drawing on, the scene took more than one core.
[ "$used" -lt 30 ] || fail "minimised, it used $used of 300 ticks"
xdotool windowmap --sync "$SCENE"
xdotool windowfocus --sync "$SCENE"
sleep 1
xdotool windowsize --sync "$SCENE" 1000 700
sleep 1
xdotool windowmove --sync "$SCENE" 100 80
sleep 1
press Escape
expect_exit_0
# No frame turned the camera: none holds the pointer with a move (in each record of 63 bytes
# from byte 28, the pointer's move at bytes 32-39 and whether it turns the camera at byte 40).
turns=$(perl -0777 -ne 'for ($i = 28; $i + 8 < length; $i += 63) {
  my ($x, $y, $held) = unpack("l<l<C", substr($_, $i + 32, 9)); $n++ if $held && ($x || $y) }
  print $n + 0' <run.rec)
[ "$turns" = 0 ] || fail "$turns frames turned the camera"
"$BIN" --replay run.rec >replay.txt 2>&1 || fail "replay: exit $?"
[ "$(hash_of replay.txt)" = "$(hash_of recorded.txt)" ] || fail "replay: $(hash_of replay.txt)"
# A run that saves its last frame draws it even while minimised: the same picture as shown.
shot() {
  rm -f log.txt
  "$BIN" --mode 6 --fixed-step 0.0166667 --frames 500 --screenshot "$1" >shot.txt 2>&1 &
  PID=$!
  focus_scene
  [ "$1" = shown.png ] || xdotool windowunmap --sync "$SCENE"
  expect_exit_0
}
shot shown.png
shot minimised.png
differ=$(compare -metric AE shown.png minimised.png null: 2>&1 || true)
[ "$differ" = 0 ] || fail "the last frame, minimised, was not drawn: $differ pixels differ"
echo "ok: minimised it used $used of 300 ticks; resized and moved, nothing turned"
