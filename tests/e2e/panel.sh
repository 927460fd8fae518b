# The control panel as a user meets it, with real keys and mouse buttons, recorded: Tab opens it
# over a damaged layout file (the default layout then), Pause shows PAUSED, gravity dragged to 0;
# Tab gives the mouse back to the look, and a ball thrown upward stays on the view's line; then
# five boxes spawned (the statistics' count logged), the music's volume to 0, and muted. Both
# replays end where the recorded run did; the layout went to the configuration folder only.
source "$(dirname "$0")/lib.sh" "$@"

share() { import -window "$SCENE" shot.png && convert shot.png -crop "$1" -fx "$2" -format '%[fx:mean]' info:; }
bodies() { grep -oE 'Spawned 1 x box: [0-9]+' log.txt | sed -n "$1p" | grep -oE '[0-9]+$'; }
# Clicks and drags at the panel's default place: its top left corner at (450, 10) in 800 x 600.
at() { xdotool mousemove --window "$SCENE" $((450 + $1)) $((10 + $2)); sleep 0.2; }
click() { at "$@"; xdotool mousedown 1; sleep 0.3; xdotool mouseup 1; sleep 0.4; }
drag_to_left() { at "$@"; xdotool mousedown 1; sleep 0.3; at -60 "$2"; sleep 0.3; xdotool mouseup 1; sleep 0.4; }
wav_seconds() { echo $((($(stat -c %s music.wav) - 44) / 4 / 44100)); }
rms_from() { sox music.wav -n trim "$1" stat 2>&1 | awk '/RMS     amplitude/ {print $3}'; }

export XDG_CONFIG_HOME=$WORK/config
mkdir -p config/3d-varne
printf '[Window][3D-Varne panel (Tab hides it)]\nPos=-9999,12\nSize=0,x\n\n[3D-Varne][Sections]\nOpen=999\n' \
  >config/3d-varne/panel.ini
printf '[general]\nsample-type = int16\nchannels = stereo\n[wave]\nfile = %s/music.wav\n' "$WORK" >alsoft.ini
cp -r "$SRC/data" data
ALSOFT_CONF=$WORK/alsoft.ini ALSOFT_DRIVERS=wave VARNE_MESSAGEBOX=no "$BIN" --mode 6 --record panel.rec \
  >recorded.txt 2>&1 &
PID=$!
focus_scene
sleep 1
press Tab
sleep 0.5
click 29 48  # Pause
above "$(share 120x16+20+134 'r>0.8 && g>0.8 && b<0.3')" 0.05 "no PAUSED after the click"
click 29 48         # Resume
drag_to_left 81 82  # gravity
press Tab
before=$(share 800x120+0+470 'g>r && g>b')
xdotool mousemove_relative -- 0 -300
sleep 0.5
after=$(share 800x120+0+470 'g>r && g>b')
above "$(awk -v a="$before" -v b="$after" 'BEGIN {print a - b}')" 0.1 \
  "the mouse look did not turn the view up (floor share $before, then $after)"
xdotool mousedown 3; sleep 0.3; xdotool mouseup 3; sleep 1.5
above "$(share 60x60+370+270 'r>0.4 && g>0.3 && b<0.25')" 0.05 "the ball left the view's line"
press Tab
click 80 131  # opens Spawn: a damaged layout leaves only Simulation open
for n in 1 2 3 4 5; do click 29 182; done  # Spawn, one box a click
[ "$(bodies 3)" = $(($(bodies 1) + 2)) ] ||
  fail "three spawns did not count three more bodies: $(grep Spawned log.txt | xargs)"
loud=$(rms_from 0)
click 80 216          # opens Sound, below the closed Light
drag_to_left 164 233  # music volume
click 16 250          # mute
sleep 0.5
quiet_from=$(wav_seconds)
sleep 2
press Escape
expect_exit_0
above "$loud" 0.01 "music silent before the volume went to 0"
above 0.0005 "$(rms_from "$quiet_from")" "music heard after volume 0 ($(rms_from "$quiet_from"))"
recorded=$(hash_of recorded.txt)
for run in 1 2; do
  ALSOFT_DRIVERS=null "$BIN" --replay panel.rec >replay$run.txt 2>&1 || fail "replay $run: exit $?"
  [ "$(hash_of replay$run.txt)" = "$recorded" ] || fail "replay $run: $(hash_of replay$run.txt), recorded $recorded"
done
grep -q '^Pos=' config/3d-varne/panel.ini && [ ! -e imgui.ini ] || fail "layout not where it belongs"
echo "ok: panel: PAUSED, gravity 0, $(bodies 5) bodies after five spawns, silent, look back;" \
  "recorded and both replays end in $recorded"
