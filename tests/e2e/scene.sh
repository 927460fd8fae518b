# The demo as a user meets it: entry 6 chosen with the arrows, the start-up in order, a picture
# with sky, floor, bodies and the red overlay, the music, and a window manager's close request.
source "$(dirname "$0")/lib.sh" "$@"

printf '[general]\nsample-type = int16\n[wave]\nfile = %s/music.wav\n' "$WORK" >alsoft.ini
ALSOFT_CONF=$WORK/alsoft.ini ALSOFT_DRIVERS=wave open_launcher
press Down Down Return
focus_scene
xdotool getwindowgeometry "$SCENE" | grep -q "Geometry: 800x600" || fail "entry 6 is not 800 x 600"
order=$(grep -oE '^(4xFSAA|InitGL|Initializing [NB]\w+|Creating Joint|Starting)' log.txt | xargs)
[ "$order" = "4xFSAA InitGL Initializing Newton Initializing Bass Creating Joint Starting" ] ||
  fail "start-up order: $order"
sleep 1.5
import -window "$SCENE" shot.png
shows 220x20+20+72 'r>0.8 && g<0.3 && b<0.3' 0.02 "no red overlay"
shows 800x150+0+150 'b>r && b>0.5' 0.3 "no sky above the horizon"
shows 800x120+0+470 'g>r && g>b' 0.3 "no floor below"
shows 800x300+0+300 'r>0.5 && g>0.4 && b<0.3' 0.003 "no yellow bodies"
"$WM_CLOSE" "$SCENE"
expect_exit_0
[ "$(grep -c 'Program Shutdown' log.txt)" -eq 1 ] || fail "not shut down exactly once"
[ ! -s stderr.txt ] || fail "unexpected output: $(cat stderr.txt)"
above "$(sox music.wav -n stat 2>&1 | awk '/RMS     amplitude/ {print $3}')" 0.01 "music silent"
echo "ok: the scene showed sky, floor, bodies and the overlay, played the music, and closed"
