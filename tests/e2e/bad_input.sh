# Damaged input files, one at a time, through the real binary: every run must
# end with exit code 0 (never a signal) and log what was wrong. Cases that end
# cleanly but log nothing about the damage are printed as "gap:" and do not fail.
# This script runs the text and image files; bad_input_models.sh (model
# descriptions and meshes) and bad_input_media.sh (skins, shaders, music)
# source it with GROUP set, to stay within the test time limit.
source "$(dirname "$0")/lib.sh" "$@"

GROUP=${GROUP:-files}
DATA=$(cd "$SRC/data" && pwd)
GAPS=()

# A data folder of symlinks to the repository's files.
fresh_data() { rm -rf data log.txt; mkdir data; cp -rs "$DATA/." data/; }

# Replaces data/<file> with the bytes on stdin.
put() { rm -f "data/$1"; cat >"data/$1"; }

# Replaces data/<file> with a private copy of the original to edit.
own() { rm -f "data/$1"; cp "$DATA/$1" "data/$1"; }

# Overwrites bytes of data/<file> from <offset> with a printf format's output.
patch() { own_once "$1"; printf "$3" | dd of="data/$1" bs=1 seek="$2" conv=notrunc status=none; }
own_once() { [ -L "data/$1" ] && own "$1"; true; }

# A little-endian 32-bit value as a printf format.
le32() { local v=$(($1 & 0xffffffff)); printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255)); }
le16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)); }
# A 32-bit header field (index) of a file as a number.
field32() { od -An -t d4 -j $((4 * $2)) -N 4 "$DATA/$1" | tr -d ' '; }

long_name() { printf 'data/%0300d.tga' 0; }
garbage() { head -c "$1" /dev/urandom; }

# Waits up to $2 seconds for log text; returns 1 at once when the program has ended.
wait_for() {
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    grep -qF -- "$1" log.txt 2>/dev/null && return 0
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.1
  done
  grep -qF -- "$1" log.txt 2>/dev/null
}

# Waits for the end and sets RC to the exit code, 999 when it hangs.
wait_end() {
  local i rc=0
  RC=0
  for ((i = 0; i < 100; i++)); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$PID" 2>/dev/null; then
    kill -9 "$PID"
    RC=999
  fi
  wait "$PID" 2>/dev/null || rc=$?
  [ "$RC" -eq 999 ] || RC=$rc
  PID=
}

# Focuses the program's window, if it shows one within 5 seconds.
focus_window() {
  local id
  id=$(timeout 5 xdotool search --sync --onlyvisible --name '^3D-Varne$' | head -n 1) || true
  [ -n "$id" ] && xdotool windowfocus --sync "$id" 2>/dev/null
}

# One run of the program: through the launcher, into the scene if asked.
drive() {
  rm -f log.txt
  start
  if wait_for "Menu Init:" 20; then
    sleep 0.3
    focus_window || true
    if [ "$1" = launcher ]; then
      press Escape
    else
      press Down Down Return
      if wait_for "Starting the Main-Loop" 20; then
        sleep 1
        if focus_window; then press Escape; fi
      fi
    fi
  fi
  wait_end
}

# Runs the prepared data: <case> <launcher|scene> <expected log text or "GAP">.
# In the scene it runs about a second, then Escape. A launcher that missed
# the arrow keys on a busy machine (it chose fullscreen) gets a second try.
run() {
  local name=$1 stage=$2 expected=$3 line
  drive "$stage"
  if [ "$RC" -eq 0 ] && grep -qF "Fullscreen: 1" log.txt; then
    echo "retry: $name: the launcher missed the arrow keys"
    drive "$stage"
  fi
  if [ "$expected" = GAP ]; then
    line=$(grep -v '^\*\|^$' log.txt | grep -vF -e 'Program Shutdown' -e 'destroying the' -e '****' | tail -n 1 || true)
  else
    line=$(grep -F -- "$expected" log.txt | tail -n 1 || true)
  fi
  echo "$name | ${line:0:150} | $RC"
  [ "$RC" -ne 999 ] || fail "$name: still running after Escape"
  [ "$RC" -lt 128 ] || fail "$name: killed by signal $((RC - 128))"
  [ "$RC" -eq 0 ] || fail "$name: exit code $RC"
  if [ "$expected" = GAP ]; then
    GAPS+=("$name")
    echo "gap: $name: nothing logged about the damage"
  else
    [ -n "$line" ] || fail "$name: log never showed: $expected"
  fi
}

# One case: <case> <stage> <expected> <setup command...> on a fresh data folder.
case_() {
  local name=$1 stage=$2 expected=$3
  shift 3
  fresh_data
  "$@"
  run "$name" "$stage" "$expected"
}

cfg() { { echo "[3D-VARNE-CFG]"; grep -v "^$1 " "$DATA/config.txt" | tail -n +2; echo "$1 $2"; } | put config.txt; }
many_pairs() { { echo "[3D-VARNE-CFG]"; for i in $(seq 200); do echo "KEY$i value$i"; done; } | put config.txt; }
long_token() { { cat "$DATA/config.txt"; printf 'X%05000d y\n' 0; } | put config.txt; }

files_cases() {
  case_ "config.txt missing" scene "Could not load Configuration file!" rm data/config.txt
  case_ "config.txt empty" scene "GAP" put config.txt </dev/null
  case_ "config.txt garbage" scene "GAP" put config.txt < <(garbage 4096)
  case_ "config.txt 200 pairs" scene "pairs past the first" many_pairs
  case_ "config.txt 5000-char token" scene "tokens cut to" long_token
  case_ "config: model missing" scene "could not open model description data/models/none.txt" cfg TEST_MODEL data/models/none.txt
  case_ "config: cylinder missing" scene "could not open model description data/none.txt" cfg CYLINDER_MODEL data/none.txt
  case_ "config: sky missing" scene "Skybox: could not open data/none.txt" cfg SKYBOX_FILE data/none.txt
  case_ "config: music missing" scene "GAP" cfg BACKGROUND_MUSIC data/none.ogg
  case_ "config: vertex shader missing" scene "Could not load Shader: data/none.vert" cfg VERTEX_SHADER_STD data/none.vert
  case_ "config: fragment shader missing" scene "Could not load Shader: data/none.frag" cfg FRAGMENT_SHADER_STD data/none.frag

  case_ "settings.txt missing" launcher "Could not open data/settings.txt" rm data/settings.txt
  case_ "settings.txt no FONT:" launcher "no FONT: name" put settings.txt < <(grep -v FONT: "$DATA/settings.txt")
  case_ "settings.txt overlong names" launcher "no FONT: name" put settings.txt < <(printf '[FILES]\nFONT: %s\nLOGO: %s\n' "$(long_name)" "$(long_name)")
  case_ "settings.txt overlong logo" launcher "no LOGO: name" put settings.txt < <(printf '[FILES]\nFONT: data/textures/font.bmp\nLOGO: %s\n' "$(long_name)")
  case_ "settings.txt garbage" launcher "no FONT: name" put settings.txt < <(garbage 2048)
  case_ "settings.txt font missing" launcher "could not load texture data/textures/none.bmp" put settings.txt < <(sed 's/font.bmp/none.bmp/' "$DATA/settings.txt")
  case_ "settings.txt font not an image name" launcher "not a .bmp, .BMP, .tga or .TGA name" put settings.txt < <(sed 's/font.bmp/font.png/' "$DATA/settings.txt")

  local font=textures/font.bmp logo=textures/logo.tga
  case_ "font truncated to 30 bytes" launcher "bad BMP data/$font" put $font < <(head -c 30 "$DATA/$font")
  case_ "font truncated pixels" launcher "bad BMP data/$font: file length" put $font < <(head -c 1000 "$DATA/$font")
  case_ "font width 1000000" launcher "bad BMP data/$font: width" patch $font 18 "$(le32 1000000)"
  case_ "font height -5" launcher "bad BMP data/$font" patch $font 22 "$(le32 -5)"
  case_ "font width 0" launcher "bad BMP data/$font: width" patch $font 18 "$(le32 0)"
  case_ "font image size lies" launcher "bad BMP data/$font: image size field" patch $font 34 "$(le32 100)"
  case_ "font pixel offset past end" launcher "bad BMP data/$font: pixel data offset" patch $font 10 "$(le32 0x7ffffff0)"
  case_ "font 8 bpp" launcher "bad BMP data/$font: 8 bits per pixel" patch $font 28 "$(le16 8)"
  case_ "font is text" launcher "could not load texture data/$font" put $font < <(yes 'not a bitmap' | head -c 4000)
  case_ "font empty" launcher "could not load texture data/$font" put $font </dev/null
  case_ "logo truncated header" launcher "Couldn't load texture2" put $logo < <(head -c 10 "$DATA/$logo")
  case_ "logo truncated pixels" launcher "Couldn't load texture4" put $logo < <(head -c 500 "$DATA/$logo")
  case_ "logo width 65535" launcher "Couldn't load texture4" patch $logo 12 "$(le16 65535)"
  case_ "logo height 0" launcher "Couldn't load texture3" patch $logo 14 "$(le16 0)"
  case_ "logo 7 bpp" launcher "Couldn't load texture3" patch $logo 16 '\x07'
  case_ "logo is text" launcher "Couldn't load texture2" put $logo < <(yes 'not a targa' | head -c 4000)
  case_ "logo missing" launcher "Couldn't load texture1" rm data/$logo

  case_ "sky.txt missing" scene "Skybox: could not open data/sky/sky.txt" rm data/sky/sky.txt
  case_ "sky.txt wrong label" scene "Skybox: data/sky/sky.txt: no SKY1: label" put sky/sky.txt < <(sed 's/^SKY1:/SKYX:/' "$DATA/sky/sky.txt")
  case_ "sky.txt overlong name" scene "Skybox: data/sky/sky.txt: no name of 1 to" put sky/sky.txt < <(sed "s|data/sky/side2.tga|$(long_name)|" "$DATA/sky/sky.txt")
  case_ "sky.txt garbage" scene "Skybox: data/sky/sky.txt: no" put sky/sky.txt < <(garbage 2048)
  case_ "sky face truncated" scene "Couldn't load texture4" put sky/side1.tga < <(head -c 100 "$DATA/sky/side1.tga")
  case_ "sky face garbage" scene "Couldn't load texture" put sky/up.tga < <(garbage 5000)
}

# MD2 header fields: 6 vertex count, 8 triangle count, 10 frame count,
# 13 triangle offset, 14 frame offset. <model> [all]: the short list, or all.
md2_cases() {
  local name=$1 md2=models/$1.md2 bad="bad MD2 data/models/$1.md2"
  local tris
  tris=$(field32 "$md2" 13)
  case_ "$name.md2 missing" scene "could not open model file data/$md2" rm "data/$md2"
  case_ "$name.md2 truncated header" scene "$bad: header length 40" put "$md2" < <(head -c 40 "$DATA/$md2")
  case_ "$name.md2 huge triangle count" scene "$bad: triangle offset" patch "$md2" 32 "$(le32 0x7fffffff)"
  case_ "$name.md2 negative triangle count" scene "$bad: triangle count -1" patch "$md2" 32 "$(le32 -1)"
  case_ "$name.md2 vertex index 65535" scene "$bad: vertex index 65535" patch "$md2" $((tris + 2)) "$(le16 65535)"
  case_ "$name.md2 garbage" scene "$bad" put "$md2" < <(garbage 2000)
  [ "${2:-}" = all ] || return 0
  case_ "$name.md2 empty" scene "$bad: header length 0" put "$md2" </dev/null
  case_ "$name.md2 truncated frames" scene "$bad: frame offset" put "$md2" < <(head -c 1000 "$DATA/$md2")
  case_ "$name.md2 huge vertex count" scene "$bad: frame size" patch "$md2" 24 "$(le32 0x7fffffff)"
  case_ "$name.md2 huge frame count" scene "$bad: frame offset" patch "$md2" 40 "$(le32 0x7fffffff)"
  case_ "$name.md2 negative vertex count" scene "$bad: vertex count -7" patch "$md2" 24 "$(le32 -7)"
  case_ "$name.md2 triangle offset past end" scene "$bad: triangle offset 100000" patch "$md2" 52 "$(le32 100000)"
  case_ "$name.md2 frame offset negative" scene "$bad: frame offset -4" patch "$md2" 56 "$(le32 -4)"
  case_ "$name.md2 vertex index 32767" scene "$bad: vertex index 32767" patch "$md2" "$tris" "$(le16 32767)"
  case_ "$name.md2 coordinate index 65535" scene "$bad: texture coordinate index 65535" patch "$md2" $((tris + 6)) "$(le16 65535)"
}

description_cases() {
  local name=$1 txt=models/$1.txt
  case_ "$name.txt missing" scene "could not open model description data/$txt" rm "data/$txt"
  case_ "$name.txt overlong path" scene "data/$txt: no model file name of 1 to 49 characters" put "$txt" < <(sed "s|^MODELFILE: .*|MODELFILE: $(long_name)|" "$DATA/$txt")
  case_ "$name.txt overlong skin" scene "data/$txt: no skin file name of 1 to 49 characters" put "$txt" < <(sed "s|^MODELTEX: .*|MODELTEX: $(long_name)|" "$DATA/$txt")
  case_ "$name.txt garbage" scene "could not open model file" put "$txt" < <(garbage 1000)
  case_ "$name.txt empty" scene "could not open model file" put "$txt" </dev/null
}

skin_cases() {
  local name=$1 tga=models/$1.tga
  case_ "$name.tga missing" scene "could not load texture data/$tga" rm "data/$tga"
  case_ "$name.tga truncated" scene "Couldn't load texture4" put "$tga" < <(head -c 300 "$DATA/$tga")
  case_ "$name.tga is text" scene "Couldn't load texture2" put "$tga" < <(yes 'not a targa' | head -c 4000)
}

shader_cases() {
  local vert=shaders/lighting.vert frag=shaders/lighting.frag
  case_ "vertex shader missing" scene "Could not load Shader: data/$vert" rm "data/$vert"
  case_ "fragment shader missing" scene "Could not load Shader: data/$frag" rm "data/$frag"
  case_ "vertex shader does not compile" scene "Error in Vertex Shader data/$vert" put "$vert" < <(echo 'void main() { gl_Position = nonsense; }')
  case_ "fragment shader does not compile" scene "Error in Fragment Shader data/$frag" put "$frag" < <(echo 'void main() { gl_FragColor = 1 +; }')
  case_ "vertex shader empty" scene "Error in Vertex Shader data/$vert" put "$vert" </dev/null
  case_ "vertex shader 100 KB garbage" scene "Error in Vertex Shader data/$vert" put "$vert" < <(garbage 102400)
  case_ "fragment shader 100 KB comments after the code" scene "GAP" put "$frag" < <(cat "$DATA/$frag"; yes '// padding padding padding' | head -c 102400)
}

music_cases() {
  local ogg=music/varne_theme.ogg
  case_ "music missing" scene "GAP" rm "data/$ogg"
  case_ "music empty" scene "GAP" put "$ogg" </dev/null
  case_ "music garbage" scene "GAP" put "$ogg" < <(garbage 20000)
  case_ "music truncated" scene "GAP" put "$ogg" < <(head -c 5000 "$DATA/$ogg")
  case_ "music is a WAV" scene "GAP" put "$ogg" < <(sox -n -t wav - synth 0.5 sine 440 2>/dev/null)
}

models_cases() {
  local model
  for model in cylinder gem; do
    description_cases "$model"
  done
  md2_cases cylinder
  md2_cases gem all
}

media_cases() {
  skin_cases cylinder
  skin_cases gem
  shader_cases
  music_cases
}

"${GROUP}_cases"
echo "${#GAPS[@]} gaps: ${GAPS[*]}"
