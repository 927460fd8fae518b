# The whole demo as a user starts it: launcher, windowed entry, the scene with
# its start-up log, a picture with sky, floor, bodies and the red overlay, F1,
# the music, and Escape. Then each optional configuration key left out in turn.
source "$(dirname "$0")/lib.sh" "$@"

# Fraction of the window's pixels in a region that pass an ImageMagick test.
share() { convert shot.png -crop "$1" +repage -fx "$2" -format '%[fx:mean]' info:; }
above() { awk -v v="$1" -v min="$2" 'BEGIN {exit !(v > min)}'; }

printf '[general]\nfrequency = 44100\nchannels = stereo\nsample-type = int16\n[wave]\nfile = %s/music.wav\n' \
  "$WORK" > alsoft.ini
ALSOFT_CONF=$WORK/alsoft.ini ALSOFT_DRIVERS=wave open_scene_windowed
sequence=$(grep -E '^(Initializing Newton Game Dynamics|Initializing Bass Audio Library|GLSL Supported!|initializing NewtonObjects...|Creating Joint...|Initialisation finished successfully|Starting the Main-Loop)$' log.txt | tr '\n' '|')
[ "$sequence" = "Initializing Newton Game Dynamics|Initializing Bass Audio Library|GLSL Supported!|initializing NewtonObjects...|Creating Joint...|Initialisation finished successfully|Starting the Main-Loop|" ] ||
  fail "start-up sequence: $sequence"
[ "$(count 'Newton Body Created')" -eq 7 ] || fail "$(count 'Newton Body Created') bodies"
xdotool windowfocus --sync "$SCENE"
sleep 1.5
import -window "$SCENE" shot.png
above "$(share 220x20+20+72 'r>0.8 && g<0.3 && b<0.3')" 0.02 || fail "no red overlay"
above "$(share 800x150+0+150 'b>r && b>0.5')" 0.3 || fail "no sky above the horizon"
above "$(share 800x120+0+470 'g>r && g>b')" 0.3 || fail "no floor below"
above "$(share 800x300+0+300 'r>0.5 && g>0.4 && b<0.3')" 0.003 || fail "no yellow bodies"
echo "ok: the scene shows sky, floor, bodies and the overlay"

xdotool keydown F1
sleep 0.6
import -window "$SCENE" shot.png
xdotool keyup F1
above "$(share 800x600+0+0 'abs(r-0.4)<0.02 && abs(b-1)<0.02')" 0.95 || fail "F1 shows more than the title"
echo "ok: F1 shows only the title"

press Escape
expect_exit_0
[ "$(count 'Program Shutdown...')" -eq 1 ] || fail "shut down $(count 'Program Shutdown...') times"
rms=$(sox music.wav -n stat 2>&1 | awk '/RMS     amplitude/ {print $3}')
above "$rms" 0.01 || fail "the music was silent (RMS $rms)"
echo "ok: Escape ends it with exit code 0; the music played (RMS $rms)"

# Each optional key missing: the scene still starts and ends cleanly.
for key in BACKGROUND_MUSIC VERTEX_SHADER_STD TEST_MODEL SKYBOX_FILE; do
  open_launcher
  grep -v "^$key " "$SRC/data/config.txt" > data/config.txt.new
  rm data/config.txt
  mv data/config.txt.new data/config.txt
  press Down Down Return
  wait_log "Starting the Main-Loop"
  SCENE=$(window_id 3D-Varne)
  xdotool windowfocus --sync "$SCENE"
  sleep 0.5
  press Escape
  expect_exit_0
  echo "ok: starts without $key"
done
