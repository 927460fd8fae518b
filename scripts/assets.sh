#!/usr/bin/env bash
# Regenerates the textures and models under data/ with the asset tools of a
# build folder:
#   scripts/assets.sh <build dir>
# The output is the same, byte for byte, on every run with the same fonts.
set -euo pipefail

build=$(cd "${1:?usage: scripts/assets.sh <build dir>}" && pwd)
cd "$(dirname "$0")/.."

cmake --build "$build" --target make_font make_logo make_models >/dev/null
mkdir -p data/textures data/models
"$build/tools/make_font" data/textures/font.bmp
"$build/tools/make_logo" data/textures/logo.tga
echo "Wrote data/textures/font.bmp and data/textures/logo.tga"
# Run from here: the description files name their files relative to this folder.
"$build/tools/make_models" data/models
echo "Wrote data/models/cylinder.{md2,tga,txt} and data/models/gem.{md2,tga,txt}"
