#!/bin/bash
# Every top-level folder holding C++ code (.cpp or .h files) is named as
# "folder/" at the start of a line of README.md's "Layout" block; build
# folders (holding a CMakeCache.txt) are not the project's code.
cd "$1" && layout=$(awk '/^## Layout/ { on = 1 } on && /^```/ { if (fence++) exit; next } fence' README.md) || exit 1
missing=$(find . -mindepth 2 \( -name '*.cpp' -o -name '*.h' \) | cut -d/ -f2 | sort -u |
    while read -r dir; do [ -e "$dir/CMakeCache.txt" ] || grep -q "^$dir/" <<<"$layout" || echo "$dir/"; done)
[ -z "$missing" ] || { echo "README.md's Layout block lacks:" $missing >&2; exit 1; }
