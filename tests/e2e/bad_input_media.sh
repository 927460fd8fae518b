# Damaged images and an unwritable log through the real binary: exit code 0 and a line each. (The
# configuration's overflow, a folder named as a file and damaged music are refused by the same
# readers in settings_test, file_bytes_test and sound_test, with the same lines.)
source "$(dirname "$0")/lib.sh" "$@"

damaged font launcher "data/textures/font.bmp: file length 1000" textures/font.bmp head -c 1000
damaged logo launcher "Couldn't load texture4" textures/logo.tga head -c 500

# A log.txt that cannot be written is said once on standard error; the program goes on.
open_launcher mkdir log.txt
press Escape
expect_exit_0
[ "$(grep -c 'log.txt cannot be written (Is a directory)' stderr.txt)" = 1 ] || fail "stderr: $(cat stderr.txt)"
echo "ok: unwritable log: $(head -n 1 stderr.txt)"
