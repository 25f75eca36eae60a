#!/usr/bin/env bash
# levelcheck: usage and status 2 for what it cannot read or a folder without
# levels, status 1 only for a level it checked and found broken.
. "$(dirname "$0")/tooluse.sh"
tool="$LEVELCHECK"

run_tool "$tool" --help
expect_status 0
expect_out '^usage: levelcheck'
for bad in "--bogus" "-x" "--data"; do
    run_tool "$tool" $bad
    expect_misuse
done
expect_refused_folders "$tool"
# A level file named by hand still needs the folder its pictures are in.
run_tool "$tool" --data "$WORK/missing" "$THRASK_DATA_DIR/Levels/l1.lvl"
expect_status 2

partial=$(scratch_data partial)
rm "$partial/Levels/l7.lvl"
run_tool "$tool" --data "$partial"
expect_status 1
expect_out 'l7.lvl: problem: cannot be opened'
expect_out '^15 level file\(s\) checked, 1 with problems$'
run_tool "$tool" --data "$THRASK_DATA_DIR" "$partial/Levels/l3.lvl"
expect_status 0
expect_out '^1 level file\(s\) checked, 0 with problems$'
