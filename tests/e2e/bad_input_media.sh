# Damaged model skins, shader sources and music through the real binary; the
# cases and their checks live in bad_input.sh.
GROUP=media source "$(dirname "$0")/bad_input.sh" "$@"
