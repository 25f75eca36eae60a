#!/usr/bin/env bash
# thrask-replay: usage and status 2 for options it cannot read, nothing to
# run or a folder without levels; status 1 for a recording it cannot play.
. "$(dirname "$0")/tooluse.sh"
tool="$THRASK_REPLAY"
golden="$THRASK_SOURCE_DIR/tests/replays/menu-flow.replay"

run_tool "$tool" --help
expect_status 0
expect_out '^usage: thrask-replay'
for bad in "--bogus" "--data" "--only" "--expect" "--record-goldens $WORK/out --only no-such-golden"; do
    run_tool "$tool" --data "$THRASK_DATA_DIR" $bad
    expect_misuse
done
expect_err 'no golden replay is named no-such-golden'
run_tool "$tool" --data "$WORK/missing" --list-goldens
expect_status 0
expect_out '^menu-flow '

expect_refused_folders "$tool" --expect "$golden"
expect_refused_folders "$tool" --record-goldens "$WORK/out"
run_tool "$tool" --expect --data "$THRASK_DATA_DIR" "$WORK/none.replay"
expect_status 1
expect_err 'none.replay'
