#!/usr/bin/env bash
# Packs the Windows build into a zip with one folder, 3d-varne/: the program,
# every DLL it needs (followed through the import tables, DLLs of DLLs too),
# data/ and README.txt. Bundled DLLs come only from the dependency cache and
# the MinGW-w64 runtime; a DLL found in neither that Windows does not provide
# itself fails the packing.
# Usage: package.sh <windows build folder> <zip>
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "$1")
zip=$(realpath -m "$2")
cache=${VARNE_WIN_CACHE:-$HOME/.cache/3d-varne-win}
sources=("$cache/prefix/bin" /usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib)
# The DLLs of Windows itself that the program and its libraries import.
system=" advapi32 cfgmgr32 gdi32 glu32 imm32 kernel32 msvcrt ole32 oleaut32 opengl32 setupapi
  shell32 user32 version winmm ws2_32 "

imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
is_system() { [[ $system == *[[:space:]]$(basename "${1,,}" .dll)[[:space:]]* ]]; }

stage=$build/package/3d-varne
rm -rf "$build/package" && mkdir -p "$stage"
cp "$build/3d-varne.exe" "$stage/"
pending=("$stage/3d-varne.exe")
while [ ${#pending[@]} -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  for dll in $(imports "$file"); do
    is_system "$dll" || [ -f "$stage/$dll" ] && continue
    found=$(find "${sources[@]}" -maxdepth 1 -iname "$dll" -print -quit)
    [ -n "$found" ] || { echo "missing DLL: $dll, needed by $(basename "$file")" >&2; exit 1; }
    cp "$found" "$stage/$dll"
    pending+=("$stage/$dll")
  done
done
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll
cp -r "$root/data" "$stage/"
cp "$root/docs/windows-readme.txt" "$stage/README.txt"

mkdir -p "$(dirname "$zip")" && rm -f "$zip"
(cd "$build/package" && zip -qr -X "$zip" 3d-varne)
echo "packed $zip: $(ls "$stage" | grep -ci '\.dll$') DLLs, $(du -sh "$zip" | cut -f1)"
