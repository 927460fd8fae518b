#!/usr/bin/env bash
# Checks that every C++ file in the repository is formatted as .clang-format
# says; with --fix, formats them instead. Lists each file that is not.
# Each clang-format release lays code out a little differently, so the check
# runs the one .clang-format is written for (scripts/install-deps.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
format=clang-format-14
if ! command -v "$format" >/dev/null; then
  echo "The formatting needs $format (Debian package $format): run scripts/install-deps.sh" >&2
  exit 1
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  "$format" -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  "$format" --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not formatted (run: make format):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "Formatting: ${#files[@]} files as .clang-format says."
