# Runs one of the game's tools as a user would and checks how it answers.
# Source it from a test script:
#
#   . "$(dirname "$0")/tooluse.sh"
#   run_tool "$TOOL" --data nowhere    # the status in STATUS, output in OUT and ERR
#   expect_status 2                    # fails unless the tool ended so
#   expect_out 'usage:'                # an extended regular expression on standard output
#   expect_err 'does not exist'        # ... on standard error
#   expect_no_out 'cleared'            # a pattern that must not be on standard output
#   scratch_data name                  # a data folder in $WORK that shares the shipped pictures
#
# CTest passes THRASK_DATA_DIR (the shipped data) and WORK (a scratch folder
# of the test's own).

set -u
: "${WORK:=$(mktemp -d)}"
rm -rf "${WORK:?}"/*
OUT="$WORK/out.txt"
ERR="$WORK/err.txt"
STATUS=0
LAST=""

fail()
{
    echo "FAIL: $LAST: $*" >&2
    echo "--- standard output:" >&2
    head -n 40 "$OUT" >&2
    echo "--- standard error:" >&2
    head -n 40 "$ERR" >&2
    exit 1
}

run_tool()
{
    LAST="$*"
    STATUS=0
    "$@" >"$OUT" 2>"$ERR" || STATUS=$?
}

expect_status()
{
    [ "$STATUS" = "$1" ] || fail "exit status $STATUS, not $1"
}

expect_out()
{
    grep -Eq -- "$1" "$OUT" || fail "standard output lacks /$1/"
}

expect_err()
{
    grep -Eq -- "$1" "$ERR" || fail "standard error lacks /$1/"
}

expect_no_out()
{
    if grep -Eq -- "$1" "$OUT"; then
        fail "standard output holds /$1/"
    fi
}

# Misuse: the usage on standard error, nothing on standard output, status 2.
expect_misuse()
{
    expect_status 2
    expect_err 'usage:'
    [ ! -s "$OUT" ] || fail "printed on standard output although it did nothing"
}

# A refused data folder: named on standard error, nothing on standard output, status 2.
expect_refused_folder()
{
    expect_status 2
    expect_err "$1"
    [ ! -s "$OUT" ] || fail "printed on standard output although it did nothing"
}

# A data folder of the test's own, with the shipped pictures, intros and
# levels, to be changed by the test.
scratch_data()
{
    local dir="$WORK/$1"
    mkdir -p "$dir"
    ln -s "$THRASK_DATA_DIR/Textures" "$dir/Textures"
    cp -r "$THRASK_DATA_DIR/Intro" "$THRASK_DATA_DIR/Levels" "$dir/"
    echo "$dir"
}
