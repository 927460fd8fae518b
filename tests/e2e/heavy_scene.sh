# The stress scene at its heaviest, live: with 10,000 boxes the frames keep coming (the physics
# falls behind real time instead of asking every slow frame for more steps), Escape ends the run,
# and its recording replays to the recorded hash on a clock of its own.
source "$(dirname "$0")/lib.sh" "$@"
cp -r "$SRC/data" data
export ALSOFT_DRIVERS=null VARNE_MESSAGEBOX=no

"$BIN" --mode 6 --boxes 10000 --record heavy.rec >recorded.txt 2>&1 &
PID=$!
focus_scene
sleep 10
press Escape
expect_exit_0
frames=$(grep -oE '\([0-9]+ frames\)' recorded.txt | tr -dc 0-9)
# Today's machine draws 8 to 12 a second; every slow frame asking for more steps, under 5 in all.
[ "${frames:-0}" -ge 30 ] || fail "$frames frames in 10 s: $(cat recorded.txt)"
"$BIN" --replay heavy.rec >replay.txt 2>&1 || fail "replay: exit $?"
[ "$(hash_of replay.txt)" = "$(hash_of recorded.txt)" ] || fail "replay: $(hash_of replay.txt)"
echo "ok: $frames frames of 10,000 boxes in 10 s, ended by Escape, replayed to $(hash_of replay.txt)"
