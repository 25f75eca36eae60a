#!/usr/bin/env bash
# levelplaytest: usage and status 2 for bad options or a folder without the
# levels it would play, never a report of play that did not happen; on real
# levels each level ends with the line scripts read, and the novice's
# first-move delay holds it still for that long.
. "$(dirname "$0")/tooluse.sh"
tool="$LEVELPLAYTEST"

run_tool "$tool" --help
expect_status 0
expect_out '^usage: levelplaytest'
for bad in "--bogus" "--trials" "--trials many" "--trials -3" "--level 16" "--profile expert" \
           "--profile novice --first-move-delay -1" "--first-move-delay 2" "stray-word"; do
    run_tool "$tool" --data "$THRASK_DATA_DIR" $bad
    expect_misuse
done
expect_err 'stray-word'
expect_refused_folders "$tool" --trials 1 --games 1
partial=$(scratch_data partial)
rm "$partial/Levels/l7.lvl"
run_tool "$tool" --data "$partial" --trials 1 --games 1
expect_status 2
expect_err 'no level file Levels/l7.lvl'
run_tool "$tool" --data "$partial" --level 2 --trials 1
expect_status 0

run_tool "$tool" --data "$THRASK_DATA_DIR" --profile novice --level 1 --trials 3
expect_status 0
grep '^level 1:' "$OUT" | tail -n 1 | grep -Eqx 'level 1: cleared [0-3]/3, unhit in the first 5 s [0-3]/3' \
    || fail "the last line of level 1 is not 'level 1: cleared C/3, unhit in the first 5 s U/3'"
run_tool "$tool" --data "$THRASK_DATA_DIR" --trials 0 --games 2
expect_out '^[0-2] of 2 whole games won$'

# One pepper and no enemy: done within seconds, unless it first stands for six.
still=$(scratch_data still)
printf '0\n0\n0\n0\n0\n0\n1\n10\nmeadow.png\nnone\n' >"$still/Levels/l1.lvl"
for delay in 0 6; do
    run_tool "$tool" --data "$still" --profile novice --level 1 --trials 4 --first-move-delay $delay
    expect_out '^level 1: cleared 4/4'
    seconds=$(sed -nE 's/^level 1: hp lost .*; ([0-9.]+) s on average$/\1/p' "$OUT")
    awk -v s="$seconds" -v d=$delay 'BEGIN { exit !(s >= d && s < d + 5) }' \
        || fail "with a first-move delay of $delay s it took $seconds s"
done
