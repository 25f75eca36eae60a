#!/usr/bin/env bash
# levelplaytest answers bad use honestly (usage and status 2, a refused data
# folder named, never a report that looks like play), and on the shipped
# levels ends each level with the line scripts read; the novice's first-move
# delay holds it still for that long.
. "$(dirname "$0")/tooluse.sh"
tool="$LEVELPLAYTEST"

run_tool "$tool" --help
expect_status 0
expect_out '^usage: levelplaytest'
expect_out '--first-move-delay'

for bad in "--bogus" "--trials" "--data" "--trials many" "--trials -3" "--level 0" "--level 16" \
           "--profile expert" "--first-move-delay -1" "--first-move-delay soon" \
           "--profile novice --first-move-delay" "--first-move-delay 2" "stray-word"; do
    # shellcheck disable=SC2086 # the words are meant to split
    run_tool "$tool" --data "$THRASK_DATA_DIR" $bad
    expect_misuse
done
run_tool "$tool" --data "$THRASK_DATA_DIR" --bogus
expect_err 'unknown option --bogus'
run_tool "$tool" --data "$THRASK_DATA_DIR" --trials
expect_err '--trials needs a value'

# Outside the data folder, a missing folder, a folder without levels.
mkdir -p "$WORK/elsewhere" "$WORK/no-levels" "$WORK/empty-levels/Levels"
(cd "$WORK/elsewhere" && run_tool "$tool" --trials 1 --games 1 && expect_refused_folder 'elsewhere.*no Levels folder') || exit 1
run_tool "$tool" --data "$WORK/missing"
expect_refused_folder "\"$WORK/missing\" does not exist"
run_tool "$tool" --data "$WORK/no-levels"
expect_refused_folder "no-levels\" holds no Levels folder"
run_tool "$tool" --data "$WORK/empty-levels"
expect_refused_folder 'empty-levels" holds no level files'

# One level file missing: whole games would skip it, so the test refuses;
# another level alone still plays.
partial=$(scratch_data partial)
rm "$partial/Levels/l7.lvl"
run_tool "$tool" --data "$partial" --trials 1 --games 1
expect_refused_folder 'no level file Levels/l7.lvl'
run_tool "$tool" --data "$partial" --level 2 --trials 1
expect_status 0

# The shipped levels: the last line of a level is the one scripts read.
run_tool "$tool" --data "$THRASK_DATA_DIR" --profile novice --level 1 --trials 3
expect_status 0
[ "$(grep '^level 1:' "$OUT" | tail -n 1)" != "" ] || fail "no line for level 1"
grep '^level 1:' "$OUT" | tail -n 1 | grep -Eqx 'level 1: cleared [0-3]/3, unhit in the first 5 s [0-3]/3' \
    || fail "the last line of level 1 is not 'level 1: cleared C/3, unhit in the first 5 s U/3'"
expect_no_out 'whole games'
run_tool "$tool" --data "$THRASK_DATA_DIR" --level 15 --trials 0 --games 2
expect_status 0
expect_out '^[0-2] of 2 whole games won$'

# The first-move delay: on a level of one pepper and no enemies the novice
# is done within a few seconds, unless it first stands for six.
still=$(scratch_data still)
printf '0\n0\n0\n0\n0\n0\n1\n10\nmeadow.png\nnone\n' >"$still/Levels/l1.lvl"
mean_seconds()
{
    sed -nE 's/^level 1: hp lost .*; ([0-9.]+) s on average$/\1/p' "$OUT"
}
run_tool "$tool" --data "$still" --profile novice --level 1 --trials 4 --first-move-delay 0
expect_out '^level 1: cleared 4/4, unhit in the first 5 s 4/4$'
awk -v s="$(mean_seconds)" 'BEGIN { exit !(s > 0 && s < 5) }' || fail "without a delay it took $(mean_seconds) s"
run_tool "$tool" --data "$still" --profile novice --level 1 --trials 4 --first-move-delay 6
expect_out '^level 1: cleared 4/4'
awk -v s="$(mean_seconds)" 'BEGIN { exit !(s >= 6) }' || fail "with six seconds' delay it took $(mean_seconds) s"
echo "levelplaytest answers bad use and reports as scripts read it"
