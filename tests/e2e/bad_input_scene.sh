# Damaged scene files (sky description, model, shader) through the real binary: exit code 0 and
# a line each.
source "$(dirname "$0")/lib.sh" "$@"

damaged sky scene "Skybox: data/sky/sky.txt: no SKY1: label" sky/sky.txt sed 's/^SKY1:/SKYX:/'
damaged MD2 scene "bad MD2 data/models/gem.md2: header length 40" models/gem.md2 head -c 40
! grep -qF "*Model succesfully loaded" log.txt || fail "a refused model logged success"
# The same model ends a headless run before its screenshot: exit code 1 and the reason.
set +e; VARNE_MESSAGEBOX=yes ALSOFT_DRIVERS=null "$BIN" --mode 6 --frames 30 --screenshot s.png 2>err.txt
code=$?; set -e
[ "$code" = 1 ] && grep -qF -- "--screenshot: the run ended after 0 of 30 frames" err.txt ||
  fail "unsaved screenshot: exit $code, $(cat err.txt)"
echo "ok: unsaved screenshot: $(grep -F -- --screenshot err.txt)"

# Every frame's scale and translate times 60: the 10-unit gem spans 600.
grow_md2() {
  python3 -c 'import struct, sys
b = bytearray(sys.stdin.buffer.read())
size, count, at = (struct.unpack_from("<i", b, k)[0] for k in (16, 40, 56))
for f in range(at, at + count * size, size):
    struct.pack_into("<6f", b, f, *(v * 60 for v in struct.unpack_from("<6f", b, f)))
sys.stdout.buffer.write(b)'
}
damaged "a huge model" scene "*Model data/models/gem.txt is 600 x 384 x 600 units" models/gem.md2 grow_md2
damaged shader scene "Error in Vertex Shader data/shaders/lighting.vert" \
  shaders/lighting.vert sed 's/gl_Position/nonsense/'
