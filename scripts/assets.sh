#!/usr/bin/env bash
# Regenerates the textures under data/ with the asset tools of a build folder:
#   scripts/assets.sh <build dir>
# The output is the same, byte for byte, on every run with the same fonts.
set -euo pipefail

build=$(cd "${1:?usage: scripts/assets.sh <build dir>}" && pwd)
cd "$(dirname "$0")/.."

cmake --build "$build" --target make_font make_logo >/dev/null
mkdir -p data/textures
"$build/tools/make_font" data/textures/font.bmp
"$build/tools/make_logo" data/textures/logo.tga
echo "Wrote data/textures/font.bmp and data/textures/logo.tga"
