#!/usr/bin/env bash
# levelcheck answers bad use honestly: usage and status 2 for what it cannot
# read, a refused data folder named, and status 1 only for a level it checked
# and found broken.
. "$(dirname "$0")/tooluse.sh"
tool="$LEVELCHECK"

run_tool "$tool" --help
expect_status 0
expect_out '^usage: levelcheck'

for bad in "--bogus" "-x" "--data"; do
    # shellcheck disable=SC2086 # the words are meant to split
    run_tool "$tool" $bad
    expect_misuse
done

mkdir -p "$WORK/elsewhere" "$WORK/no-levels" "$WORK/empty-levels/Levels"
(cd "$WORK/elsewhere" && run_tool "$tool" && expect_refused_folder 'elsewhere.*no Levels folder') || exit 1
run_tool "$tool" --data "$WORK/missing"
expect_refused_folder "\"$WORK/missing\" does not exist"
run_tool "$tool" --data "$WORK/no-levels"
expect_refused_folder 'no-levels" holds no Levels folder'
run_tool "$tool" --data "$WORK/empty-levels"
expect_refused_folder 'empty-levels" holds no level files'
# A level file named by hand needs the folder its pictures are in.
run_tool "$tool" --data "$WORK/missing" "$THRASK_DATA_DIR/Levels/l1.lvl"
expect_refused_folder 'does not exist'

# A folder of levels with one missing: that level is the problem.
partial=$(scratch_data partial)
rm "$partial/Levels/l7.lvl"
run_tool "$tool" --data "$partial"
expect_status 1
expect_out 'l7.lvl: problem: cannot be opened'
expect_out '^15 level file\(s\) checked, 1 with problems$'

# A named level file checked against another data folder.
run_tool "$tool" --data "$THRASK_DATA_DIR" "$partial/Levels/l3.lvl"
expect_status 0
expect_out '^1 level file\(s\) checked, 0 with problems$'
echo "levelcheck answers bad use honestly"
