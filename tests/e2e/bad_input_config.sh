# Through the real binary: a damaged configuration, a folder named as a file, an unwritable
# log. Exit code 0 and a line saying what happened each. (Three short scripts, so that
# make test reports progress at least every 30 s.)
source "$(dirname "$0")/lib.sh" "$@"

damaged config.txt scene "9 pairs past the first 100 dropped" \
  config.txt awk '1; END {for (i = 1; i <= 100; i++) print "KEY" i " v"}'
damaged "a folder named as a model" scene "data/models is a folder" \
  config.txt sed 's#^TEST_MODEL .*#TEST_MODEL data/models#'

# A log.txt that cannot be written is said once on standard error; the program goes on.
open_launcher mkdir log.txt
press Escape
expect_exit_0
[ "$(grep -c 'log.txt cannot be written (Is a directory)' stderr.txt)" = 1 ] || fail "stderr: $(cat stderr.txt)"
echo "ok: unwritable log: $(head -n 1 stderr.txt)"
