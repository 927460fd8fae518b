#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need, if any
# are missing: apt-get as root, sudo apt-get otherwise. With the argument
# "windows" it adds what the Windows build needs: the MinGW-w64 toolchain,
# Wine, and source entries for apt-get source (derived from the machine's own);
# with "package" what the Debian package and its checks need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libgl-dev libglu1-mesa-dev libbullet-dev libopenal-dev libsndfile1-dev libasound2-dev
  libpng-dev zlib1g-dev help2man
  libx11-dev libgtest-dev libbenchmark-dev libstb-dev
  xvfb xauth xdotool imagemagick mesa-utils x11-utils
  libfreetype-dev fonts-dejavu-core sox libsox-fmt-all libimgui-dev
  clang libclang-rt-dev clang-format-14
)
windows_packages=(g++-mingw-w64-x86-64-posix dpkg-dev zip unzip wine wine64)
package_packages=(dpkg-dev fakeroot file man-db appstream desktop-file-utils lintian
  xdg-user-dirs)

windows=no
case "${1:-}" in
windows) windows=yes packages+=("${windows_packages[@]}") ;;
package) packages+=("${package_packages[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
need_sources=no
if [ "$windows" = yes ] && ! grep -rqs '^[^#]*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  need_sources=yes
fi
[ ${#missing[@]} -eq 0 ] && [ "$need_sources" = no ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo=(sudo)
else
  echo "These Debian packages are missing and cannot be installed without root:" >&2
  echo "  ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  [ "$need_sources" = yes ] && echo "apt-get source also needs deb-src entries in /etc/apt" >&2
  exit 1
fi

# apt-get source needs source entries: the same archives as the binary ones.
add_source_entries() {
  local debian=/etc/apt/sources.list.d/debian.sources
  if [ -f "$debian" ]; then
    sed 's/^Types:.*/Types: deb-src/' "$debian" |
      "${sudo[@]}" tee /etc/apt/sources.list.d/3d-varne-src.sources >/dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
      "${sudo[@]}" tee /etc/apt/sources.list.d/3d-varne-src.list >/dev/null
  fi
}
[ "$need_sources" = yes ] && add_source_entries

export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
