#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need, if any
# are missing: apt-get as root, sudo apt-get otherwise.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libgl-dev libglu1-mesa-dev libbullet-dev libopenal-dev libsndfile1-dev libasound2-dev
  libpng-dev zlib1g-dev
  libx11-dev libgtest-dev libbenchmark-dev libstb-dev
  xvfb xauth xdotool imagemagick mesa-utils x11-utils
  libfreetype-dev fonts-dejavu-core sox libsox-fmt-all
  clang libclang-rt-dev clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt=(apt-get)
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  apt=(sudo apt-get)
else
  echo "These Debian packages are missing and cannot be installed without root:" >&2
  echo "  ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
