# Runs one of the game's tools as a user would and checks how it answers.
# Sourced by the tests; CTest passes THRASK_DATA_DIR (the shipped data) and
# WORK (a scratch folder of the test's own).
#
#   run_tool "$TOOL" --data nowhere   # status in STATUS, output in $OUT and $ERR
#   expect_status 2; expect_out RE; expect_err RE   # extended regular expressions
#   expect_misuse                     # status 2, the usage on stderr, nothing on stdout
#   expect_refused_folders TOOL ARGS  # each kind of folder without levels is refused
#   scratch_data name                 # a copy of the shipped levels, sharing the pictures
set -u
: "${WORK:=$(mktemp -d)}"
rm -rf "${WORK:?}"/*
OUT="$WORK/out.txt"
ERR="$WORK/err.txt"

fail()
{
    printf 'FAIL: %s: %s\n--- stdout:\n%s\n--- stderr:\n%s\n' "$LAST" "$*" "$(head -n 30 "$OUT")" \
        "$(head -n 30 "$ERR")" >&2
    exit 1
}

run_tool()
{
    LAST="$*"
    STATUS=0
    "$@" >"$OUT" 2>"$ERR" || STATUS=$?
}

expect_status() { [ "$STATUS" = "$1" ] || fail "exit status $STATUS, not $1"; }
expect_out() { grep -Eq -- "$1" "$OUT" || fail "standard output lacks /$1/"; }
expect_err() { grep -Eq -- "$1" "$ERR" || fail "standard error lacks /$1/"; }
expect_silent() { [ ! -s "$OUT" ] || fail "printed on standard output although it did nothing"; }
expect_misuse() { expect_status 2; expect_err 'usage:'; expect_silent; }

# The tool, run as given with --data (or from a folder for the working
# directory), names each folder that holds no levels and does nothing.
expect_refused_folders()
{
    local tool="$1"
    shift
    mkdir -p "$WORK/elsewhere" "$WORK/no-levels" "$WORK/empty-levels/Levels"
    (cd "$WORK/elsewhere" && run_tool "$tool" "$@" && expect_status 2 && expect_silent \
        && expect_err "\"\\.\" \\($WORK/elsewhere\\) holds no Levels folder") || exit 1
    local folder reason
    for folder in missing no-levels empty-levels; do
        case $folder in
        missing) reason="does not exist" ;;
        no-levels) reason="holds no Levels folder" ;;
        empty-levels) reason="holds no level files" ;;
        esac
        run_tool "$tool" --data "$WORK/$folder" "$@"
        expect_status 2
        expect_silent
        expect_err "\"$WORK/$folder\" $reason"
    done
}

scratch_data()
{
    local dir="$WORK/$1"
    mkdir -p "$dir"
    ln -s "$THRASK_DATA_DIR/Textures" "$dir/Textures"
    cp -r "$THRASK_DATA_DIR/Intro" "$THRASK_DATA_DIR/Levels" "$dir/"
    echo "$dir"
}
