# Damaged model descriptions, MD2 meshes through the
# real binary; the cases and their checks live in bad_input.sh.
GROUP=models source "$(dirname "$0")/bad_input.sh" "$@"
