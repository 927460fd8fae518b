# Damaged scene files (sky description, model, shader) through the real binary: exit code 0 and
# a line each.
source "$(dirname "$0")/lib.sh" "$@"

damaged sky scene "Skybox: data/sky/sky.txt: no SKY1: label" sky/sky.txt sed 's/^SKY1:/SKYX:/'
damaged MD2 scene "bad MD2 data/models/gem.md2: header length 40" models/gem.md2 head -c 40
damaged shader scene "Error in Vertex Shader data/shaders/lighting.vert" \
  shaders/lighting.vert sed 's/gl_Position/nonsense/'
