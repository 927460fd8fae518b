#!/bin/bash
# Every top-level folder holding C++ code (.cpp or .h files under git) is named
# as "folder/" at the start of a line of README.md's "Layout" block.
cd "$1" && files=$(git ls-files '*.cpp' '*.h') || exit 1
layout=$(awk '/^## Layout/ { on = 1 } on && /^```/ { if (fence++) exit; next } fence' README.md)
missing=$(grep / <<<"$files" | cut -d/ -f1 | sort -u | while read -r dir; do
    grep -q "^$dir/" <<<"$layout" || echo "$dir/"; done)
[ -z "$missing" ] || { echo "README.md's Layout block lacks:" $missing >&2; exit 1; }
