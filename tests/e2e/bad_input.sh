# Damaged files, one per reader, through the real binary: exit code 0 and a log line each. Then
# a log.txt that cannot be written.
source "$(dirname "$0")/lib.sh" "$@"

damaged config.txt scene "7 pairs past the first 100 dropped" \
  config.txt awk '1; END {for (i = 1; i <= 100; i++) print "KEY" i " v"}'
damaged "a folder named as a model" scene "data/models is a folder" \
  config.txt sed 's#^TEST_MODEL .*#TEST_MODEL data/models#'
damaged font launcher "data/textures/font.bmp: file length 1000" textures/font.bmp head -c 1000
damaged logo launcher "Couldn't load texture4" textures/logo.tga head -c 500
damaged music scene "varne_theme.ogg is not played (error 6: not an audio format that can be read)" \
  music/varne_theme.ogg tail -c +200
damaged sky scene "Skybox: data/sky/sky.txt: no SKY1: label" sky/sky.txt sed 's/^SKY1:/SKYX:/'
damaged MD2 scene "bad MD2 data/models/gem.md2: header length 40" models/gem.md2 head -c 40
damaged shader scene "Error in Vertex Shader data/shaders/lighting.vert" \
  shaders/lighting.vert sed 's/gl_Position/nonsense/'

# A log.txt that cannot be written is said once on standard error; the program goes on.
rm -rf data log.txt && cp -r "$SRC/data" data && mkdir log.txt
VARNE_MESSAGEBOX=no ALSOFT_DRIVERS=null "$BIN" 2>stderr.txt &
PID=$!
xdotool windowfocus --sync "$(window_id 3D-Varne)" || fail "no launcher window"
press Escape
expect_exit_0
[ "$(grep -c 'log.txt cannot be written (Is a directory)' stderr.txt)" = 1 ] || fail "stderr: $(cat stderr.txt)"
echo "ok: unwritable log: $(head -n 1 stderr.txt)"
