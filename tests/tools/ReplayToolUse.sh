#!/usr/bin/env bash
# thrask-replay answers bad use honestly: usage and status 2 for options it
# cannot read or nothing to run, a data folder without levels named, and
# status 1 for a recording that cannot be played.
. "$(dirname "$0")/tooluse.sh"
tool="$THRASK_REPLAY"
golden="$THRASK_SOURCE_DIR/tests/replays/menu-flow.replay"

run_tool "$tool" --help
expect_status 0
expect_out '^usage: thrask-replay'

for bad in "--bogus" "--data" "--only" "--record-goldens" "--expect" \
           "--record-goldens $WORK/out --only no-such-golden"; do
    # shellcheck disable=SC2086 # the words are meant to split
    run_tool "$tool" --data "$THRASK_DATA_DIR" $bad
    expect_misuse
done
run_tool "$tool" --data "$THRASK_DATA_DIR" --record-goldens "$WORK/out" --only no-such-golden
expect_err 'no golden replay is named no-such-golden'

# The list of goldens needs no data.
run_tool "$tool" --data "$WORK/missing" --list-goldens
expect_status 0
expect_out '^menu-flow '

mkdir -p "$WORK/elsewhere" "$WORK/no-levels" "$WORK/empty-levels/Levels"
(cd "$WORK/elsewhere" && run_tool "$tool" --expect "$golden" && expect_refused_folder 'elsewhere.*no Levels folder') || exit 1
run_tool "$tool" --expect --data "$WORK/missing" "$golden"
expect_refused_folder "\"$WORK/missing\" does not exist"
run_tool "$tool" --expect --data "$WORK/no-levels" "$golden"
expect_refused_folder 'no-levels" holds no Levels folder'
run_tool "$tool" --record-goldens "$WORK/out" --data "$WORK/empty-levels"
expect_refused_folder 'empty-levels" holds no level files'

# A recording that is not there fails the run, with the reason.
run_tool "$tool" --expect --data "$THRASK_DATA_DIR" "$WORK/none.replay"
expect_status 1
expect_err 'none.replay'
echo "thrask-replay answers bad use honestly"
