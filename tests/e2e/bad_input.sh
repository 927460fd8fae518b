# One damaged file per kind of reader through the real binary: exit code 0 and a log line each.
source "$(dirname "$0")/lib.sh" "$@"

edit() { local file=$1; shift; "$@" <"$SRC/data/$file" >"data/$file"; }

# <reader> <launcher|scene> <expected log text> <edit command...>. The scene starts with Enter
# at once: a fullscreen mode this display lacks, answered with a window.
damaged() {
  local name=$1 stage=$2 expected=$3
  shift 3
  ANSWER=yes open_launcher edit "$@"
  [ "$stage" = launcher ] || { press Return; focus_scene; sleep 1; }
  press Escape
  expect_exit_0
  grep -qF -- "$expected" log.txt || fail "$name: log never showed: $expected"
  echo "ok: $name: $(grep -F -- "$expected" log.txt | head -n 1)"
}

damaged config.txt scene "7 pairs past the first 100 dropped" \
  config.txt awk '1; END {for (i = 1; i <= 100; i++) print "KEY" i " v"}'
damaged font launcher "data/textures/font.bmp: file length 1000" textures/font.bmp head -c 1000
damaged logo launcher "Couldn't load texture4" textures/logo.tga head -c 500
damaged sky scene "Skybox: data/sky/sky.txt: no SKY1: label" sky/sky.txt sed 's/^SKY1:/SKYX:/'
damaged MD2 scene "bad MD2 data/models/gem.md2: header length 40" models/gem.md2 head -c 40
damaged shader scene "Error in Vertex Shader data/shaders/lighting.vert" \
  shaders/lighting.vert sed 's/gl_Position/nonsense/'
damaged music scene "data/music/varne_theme.ogg is not played" music/varne_theme.ogg tail -c +200
