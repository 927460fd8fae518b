#!/usr/bin/env bash
# Regenerates the textures, models and music under data/ with the asset tools
# of a build folder:
#   scripts/assets.sh <build dir>
# The output is the same, byte for byte, on every run with the same fonts (and,
# for the music, the same sox and libvorbis: sox -R fixes the Ogg serial number).
set -euo pipefail

build=$(cd "${1:?usage: scripts/assets.sh <build dir>}" && pwd)
cd "$(dirname "$0")/.."

cmake --build "$build" --target make_font make_logo make_models make_music >/dev/null
mkdir -p data/textures data/models data/music
"$build/tools/make_font" data/textures/font.bmp
"$build/tools/make_logo" data/textures/logo.tga
echo "Wrote data/textures/font.bmp and data/textures/logo.tga"
# Run from here: the description files name their files relative to this folder.
"$build/tools/make_models" data/models
echo "Wrote data/models/cylinder.{md2,tga,txt} and data/models/gem.{md2,tga,txt}"
# The music is synthesized as WAV and encoded to mono Ogg Vorbis (quality 3, about 35 kbit/s).
wav=$(mktemp --suffix=.wav)
trap 'rm -f "$wav"' EXIT
"$build/tools/make_music" "$wav" >/dev/null
sox -R "$wav" -C 3 data/music/varne_theme.ogg
echo "Wrote data/music/varne_theme.ogg"
# The six skybox faces and sky.txt, which names them relative to this folder.
cmake --build "$build" --target make_sky >/dev/null
mkdir -p data/sky
"$build/tools/make_sky" data/sky
echo "Wrote data/sky/{up,side1,side2,side3,side4,down}.tga and data/sky/sky.txt"
