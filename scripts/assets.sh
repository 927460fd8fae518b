#!/usr/bin/env bash
# Regenerates the textures, models and music under data/ and the package's
# icons under packaging/icons/ with the asset tools
# of a build folder:
#   scripts/assets.sh <build dir>
# The output is the same, byte for byte, on every run with the same fonts (and,
# for the music, the same sox and libvorbis: sox -R fixes the Ogg serial number).
set -euo pipefail

build=$(cd "${1:?usage: scripts/assets.sh <build dir>}" && pwd)
cd "$(dirname "$0")/.."

cmake --build "$build" --target make_font make_logo make_models make_music >/dev/null
mkdir -p data/textures data/models data/music packaging/icons
"$build/tools/make_font" data/textures/font.bmp
"$build/tools/make_logo" data/textures/logo.tga
echo "Wrote data/textures/font.bmp and data/textures/logo.tga"
# The package's icons: TGA stores the bottom row first, PNG the top one; no time stamps.
icon=$(mktemp --suffix=.tga)
trap 'rm -f "$icon"' EXIT
for size in 48 128 256; do
  "$build/tools/make_logo" --icon "$size" "$icon"
  convert "$icon" -flip -strip -define png:exclude-chunks=date,time "packaging/icons/3d-varne-$size.png"
done
echo "Wrote packaging/icons/3d-varne-{48,128,256}.png"
# Run from here: the description files name their files relative to this folder.
"$build/tools/make_models" data/models
echo "Wrote data/models/cylinder.{md2,tga,txt} and data/models/gem.{md2,tga,txt}"
# The music is synthesized as WAV and encoded to mono Ogg Vorbis (quality 3, about 35 kbit/s).
wav=$(mktemp --suffix=.wav)
trap 'rm -f "$icon" "$wav"' EXIT
"$build/tools/make_music" "$wav" >/dev/null
sox -R "$wav" -C 3 data/music/varne_theme.ogg
echo "Wrote data/music/varne_theme.ogg"
# The six skybox faces and sky.txt, which names them relative to this folder.
cmake --build "$build" --target make_sky >/dev/null
mkdir -p data/sky
"$build/tools/make_sky" data/sky
echo "Wrote data/sky/{up,side1,side2,side3,side4,down}.tga and data/sky/sky.txt"
