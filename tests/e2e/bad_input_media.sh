# Damaged images and music, one per reader, through the real binary: exit code 0 and a line each.
source "$(dirname "$0")/lib.sh" "$@"

damaged font launcher "data/textures/font.bmp: file length 1000" textures/font.bmp head -c 1000
damaged logo launcher "Couldn't load texture4" textures/logo.tga head -c 500
damaged music scene \
  "varne_theme.ogg is not played (error 6: not an audio format that can be read: Format not recognised)" \
  music/varne_theme.ogg tail -c +200
