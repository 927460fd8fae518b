#!/usr/bin/env bash
# Builds the Windows libraries the program needs from Debian's own source
# packages with the MinGW-w64 toolchain, into a cache outside the source tree:
# DLLs of SDL2, OpenAL Soft and libsndfile (its codecs inside), static zlib,
# libpng, Bullet, Dear ImGui and GoogleTest. A library is built again only when its recipe,
# the shared part of this script, the toolchain file, the source versions apt
# offers or a library it uses changes: each has a stamp holding their hash.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
cache=${VARNE_WIN_CACHE:-$HOME/.cache/3d-varne-win}
prefix=$cache/prefix
jobs=${JOBS:-1}
toolchain=$root/cmake/mingw-w64.cmake
mkdir -p "$cache/src" "$cache/build" "$cache/stamps"

# The versions of source package $1 that apt knows, newest first.
source_versions() { apt-cache showsrc "$1" | awk '/^Version:/{print $2}' | sort -rVu; }

# Unpacks the newest version of source package $1 that the archive still
# holds (Debian's patches applied) and prints its folder.
fetch() {
  local version dir tmp=$cache/src/.fetch
  for version in $(source_versions "$1"); do
    dir=$cache/src/$1_${version//:/_}
    rm -rf "$tmp" && mkdir "$tmp"
    if [ -d "$dir" ] || (cd "$tmp" && apt-get source -qq "$1=$version" >/dev/null 2>&1); then
      [ -d "$dir" ] || mv "$tmp"/*/ "$dir"
      rm -rf "$tmp"
      echo "$dir"
      return
    fi
    echo "windows deps: apt-get source $1=$version failed" >&2
  done
  return 1
}

# Configures, builds and installs the CMake project in $1 into the prefix, in
# place of what its last build installed; further arguments are cache
# settings. Output goes to a log shown on failure.
cmake_install() {
  local src=$1 build=$cache/build/$(basename "$1")
  shift
  [ -f "$build/install_manifest.txt" ] && xargs rm -f <"$build/install_manifest.txt"
  rm -rf "$build"
  {
    cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@" &&
      nice -n 19 cmake --build "$build" -j "$jobs" && cmake --install "$build"
  } >"$build.log" 2>&1 || { tail -n 40 "$build.log" >&2; echo "failed: see $build.log" >&2; exit 1; }
}

# The codecs are static, inside libsndfile's DLL; without the stack and
# buffer checks that would need MinGW's libssp there too.
codec=(-DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF)
build_ogg() { cmake_install "$1" "${codec[@]}" -DINSTALL_DOCS=OFF; }
build_vorbis() { cmake_install "$1" "${codec[@]}"; }
# Opus's release lacks a file its CMake build includes: it builds with its configure script.
build_opus() {
  local build=$cache/build/opus
  rm -rf "$build" && mkdir -p "$build"
  (cd "$build" && "$1/configure" --host=x86_64-w64-mingw32 CC=x86_64-w64-mingw32-gcc-posix \
    CPPFLAGS=-D_FORTIFY_SOURCE=0 --prefix="$prefix" --disable-shared --disable-doc \
    --disable-extra-programs --disable-stack-protector &&
    nice -n 19 make -j "$jobs" && make install) >"$build.log" 2>&1 ||
    { tail -n 40 "$build.log" >&2; exit 1; }
}
build_flac() {
  cmake_install "$1" "${codec[@]}" -DWITH_OGG=ON -DBUILD_CXXLIBS=OFF -DBUILD_PROGRAMS=OFF \
    -DBUILD_EXAMPLES=OFF -DBUILD_DOCS=OFF -DINSTALL_MANPAGES=OFF -DWITH_STACK_PROTECTOR=OFF \
    -DWITH_FORTIFY_SOURCE=OFF
}
build_sndfile() {
  cmake_install "$1" -DBUILD_SHARED_LIBS=ON -DBUILD_TESTING=OFF -DCMAKE_C_FLAGS=-DFLAC__NO_DLL \
    -DENABLE_EXTERNAL_LIBS=ON -DENABLE_MPEG=OFF -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF \
    -DBUILD_REGTEST=OFF -DENABLE_CPACK=OFF -DINSTALL_MANPAGES=OFF
}
# GCC 10 and later default to -fno-common, which stops 1.19's link at symbols
# defined in two of its files.
build_openal() {
  cmake_install "$1" -DCMAKE_C_FLAGS=-fcommon -DALSOFT_UTILS=OFF -DALSOFT_EXAMPLES=OFF -DALSOFT_TESTS=OFF \
    -DALSOFT_NO_CONFIG_UTIL=ON -DALSOFT_INSTALL_CONFIG=OFF -DALSOFT_INSTALL_HRTF_DATA=OFF \
    -DALSOFT_INSTALL_AMBDEC_PRESETS=OFF
}
# zlib and libpng are static, inside the program. Debian's zlib source lacks the
# resource file zlib's CMake build needs on Windows: it builds with its configure script.
build_zlib() {
  local build=$cache/build/zlib
  rm -rf "$build" && cp -r "$1" "$build"
  (cd "$build" && CHOST=x86_64-w64-mingw32 CC=x86_64-w64-mingw32-gcc-posix \
    ./configure --static --prefix="$prefix" && nice -n 19 make -j "$jobs" libz.a &&
    make install) >"$build.log" 2>&1 || { tail -n 40 "$build.log" >&2; exit 1; }
}
build_png() { cmake_install "$1" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF; }
build_sdl2() { cmake_install "$1" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF; }
# Bullet's precision follows the build machine's, so both builds simulate alike.
# Its libraries draw nothing; Debian's renaming of its CMake calls trips over
# the OpenGL targets, so OpenGL is not looked for.
build_bullet() {
  local double=OFF
  pkg-config --cflags bullet | grep -q BT_USE_DOUBLE_PRECISION && double=ON
  cmake_install "$1" -DBUILD_SHARED_LIBS=OFF -DUSE_DOUBLE_PRECISION=$double -DINSTALL_LIBS=ON \
    -DBUILD_BULLET2_DEMOS=OFF -DBUILD_UNIT_TESTS=OFF -DBUILD_CPU_DEMOS=OFF -DBUILD_EXTRAS=OFF \
    -DBUILD_OPENGL3_DEMOS=OFF -DBUILD_PYBULLET=OFF -DBUILD_ENET=OFF -DBUILD_CLSOCKET=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_OpenGL=ON
}
build_gtest() { cmake_install "$1" -DBUILD_GMOCK=OFF -DBUILD_SHARED_LIBS=OFF; }
# Dear ImGui, static, as Debian's libimgui-dev holds it: the library with its SDL2 and
# OpenGL2 backends, its headers under include/imgui, and an imgui.pc. Its own stb
# headers are used, as Windows has no libstb.
build_imgui() {
  local src=$1 build=$cache/build/imgui part version
  local parts=(imgui imgui_draw imgui_tables imgui_widgets backends/imgui_impl_sdl
    backends/imgui_impl_opengl2)
  version=$(basename "$src" | sed 's/^imgui_//; s/+.*//')
  rm -rf "$build" && mkdir -p "$build"
  (cd "$build" &&
    for part in "${parts[@]}"; do
      nice -n 19 x86_64-w64-mingw32-g++-posix -O2 -I"$src" -I"$prefix/include/SDL2" \
        -c "$src/$part.cpp" -o "$(basename "$part").o" || exit 1
    done &&
    x86_64-w64-mingw32-ar rcs libimgui.a ./*.o &&
    install -d "$prefix/lib/pkgconfig" "$prefix/include/imgui/backends" &&
    install -m 0644 libimgui.a "$prefix/lib/" &&
    install -m 0644 "$src"/*.h "$prefix/include/imgui/" &&
    install -m 0644 "$src/backends/imgui_impl_sdl.h" "$src/backends/imgui_impl_opengl2.h" \
      "$prefix/include/imgui/backends/" &&
    sed "s|@prefix@|$prefix|; s|@libdir@|lib|; s|@includedir@|include/imgui|; s|@version@|$version|;
      /^Requires:/d" "$src/imgui.pc.in" >"$prefix/lib/pkgconfig/imgui.pc") >"$build.log" 2>&1 ||
    { tail -n 40 "$build.log" >&2; exit 1; }
}

# When the archive lacks OpenAL Soft's source, this release, pinned by its SHA-256.
openal_release=openal-soft-1.19.1
openal_sha256=fa7444f2ede4f06292f324372bec2b695a1608b01bb9768b84637341cac63fbd
openal_tarball=${VARNE_OPENAL_TARBALL:-$root/../shared/third_party/$openal_release.tar.gz}

# Unpacks the pinned OpenAL Soft tarball, once its checksum matches, and prints its folder.
fetch_openal_tarball() {
  local dir=$cache/src/$openal_release sum
  if [ ! -f "$openal_tarball" ]; then
    echo "windows deps: OpenAL Soft's source is not in the archive; put $openal_release.tar.gz" >&2
    echo "             (SHA-256 $openal_sha256)" >&2
    echo "             at $openal_tarball, or name it in VARNE_OPENAL_TARBALL" >&2
    return 1
  fi
  sum=$(sha256sum "$openal_tarball" | cut -d' ' -f1)
  if [ "$sum" != "$openal_sha256" ]; then
    echo "windows deps: $openal_tarball refused: its SHA-256 is $sum," >&2
    echo "             $openal_release must have $openal_sha256" >&2
    return 1
  fi
  if [ ! -d "$dir" ]; then
    rm -rf "$dir.tmp" && mkdir -p "$dir.tmp"
    tar -xzf "$openal_tarball" -C "$dir.tmp" && mv "$dir.tmp/$openal_release" "$dir" && rm -rf "$dir.tmp"
  fi
  echo "$dir"
}

# Debian's source when the archive holds it, else the pinned tarball.
fetch_openal() { fetch openal-soft 2>/dev/null || fetch_openal_tarball; }

# step NAME SOURCE-PACKAGE [LIBRARIES IT USES...]: builds NAME unless its stamp is current.
step() {
  local name=$1 package=$2 version dir stamp
  shift 2
  if [ "$package" = googletest ]; then
    version=$(dpkg-query -W -f='${Version}' libgtest-dev) dir=/usr/src/googletest
  else
    version=$(source_versions "$package" | tr '\n' ' ')
    [ -n "$version" ] || { echo "no source package $package: run scripts/install-deps.sh windows" >&2; exit 1; }
  fi
  stamp=$({
    declare -f "build_$name" cmake_install fetch
    [ "$name" = openal ] && declare -f fetch_openal fetch_openal_tarball && echo "$openal_sha256"
    declare -p codec
    cat "$toolchain"
    echo "$package $version"
    for used in "$@"; do cat "$cache/stamps/$used"; done
  } | sha256sum | cut -d' ' -f1)
  [ "$(cat "$cache/stamps/$name" 2>/dev/null)" = "$stamp" ] && return
  if [ -z "${dir:-}" ]; then
    if [ "$name" = openal ]; then dir=$(fetch_openal) || return 1; else dir=$(fetch "$package") || return 1; fi
  fi
  echo "windows deps: building $(basename "$dir")"
  "build_$name" "$dir"
  echo "$stamp" >"$cache/stamps/$name"
}

main() {
  step sdl2 libsdl2
  step zlib zlib
  step png libpng1.6 zlib
  step ogg libogg
  step vorbis libvorbis ogg
  step opus opus
  step flac flac ogg
  step sndfile libsndfile ogg vorbis opus flac
  step bullet bullet
  step gtest googletest
  step imgui imgui sdl2
  if ! step openal openal-soft; then
    echo "windows deps: no OpenAL Soft to build; the Windows build needs it for its sound and stops here" >&2
    exit 1
  fi
}

# Read whole before it runs, so the script can change while it builds.
main
