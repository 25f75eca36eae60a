#!/usr/bin/env bash
# The installed game, as a player runs it: installed into a prefix with
# cmake --install and started from / with a home of its own, it finds its
# data beside its program, and a game saved from the in-game menu lands in
# $XDG_DATA_HOME/thrask/Save byte for byte, nowhere else (the game's
# recording beside it in $XDG_DATA_HOME/thrask/replays). The run is
# recorded, and its recording, played back on the installed data, says what
# the window showed: the title menu, the new game and the in-game menu it
# was saved from. Without any data it names every folder it tried on one
# line and ends with status 1, before a window opens.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

PREFIX="$E2E_WORK/prefix"
PLAYER="$E2E_WORK/player"
# Level 1, 30 health points, score 0, the intro text showing.
NEW_GAME_RECORD="01 00 00 00 1e 00 00 00 00 00 00 00 01"

rm -rf "$PREFIX" "$PLAYER" "$E2E_WORK/bare"
cmake --install "$THRASK_BUILD_DIR" --prefix "$PREFIX" >"$E2E_WORK/install.log" \
    || e2e_fail "cmake --install failed: $(tail -n 3 "$E2E_WORK/install.log")"
mkdir -p "$PLAYER/home"
export HOME="$PLAYER/home" XDG_DATA_HOME="$PLAYER/data"
[ -e /Save ] && e2e_fail "/Save exists before the test; it could not tell where a save went"

e2e_start_display

# From /, the title menu of the installed data; a new game saved during its
# intro text.
e2e_start_program / "$PREFIX/bin/thrask" -win -record "$E2E_WORK/installed.replay"
flow_click $NEW_GAME_X $NEW_GAME_Y
flow_settle
flow_press Escape
flow_settle
flow_click $SAVE_GAME_X $SAVE_GAME_Y
sleep 0.3
e2e_type "mine"
e2e_key Return
flow_settle
flow_quit_from_menu

# The screens the run went through, in order, as its recording replays them
# on the installed data.
"$THRASK_REPLAY" --expect --trace --data "$PREFIX/share/thrask" "$E2E_WORK/installed.replay" \
    >"$E2E_WORK/installed.out" 2>&1 \
    || { cat "$E2E_WORK/installed.out"; e2e_fail "the installed game's recording does not play back as recorded"; }
awk 'BEGIN { want[1] = "screen main-menu$"; want[2] = "screen play, level 1, hp 30$";
             want[3] = "screen in-game-menu, level 1, hp 30$"; n = 1 }
     /^frame / && n <= 3 && $0 ~ want[n] { n++ }
     END { exit n <= 3 }' "$E2E_WORK/installed.out" \
    || { cat "$E2E_WORK/installed.out"; e2e_fail "the run did not show the title menu, the new game and the in-game menu in turn"; }
grep -qx "screen in-game-menu" "$E2E_WORK/installed.out" \
    || { cat "$E2E_WORK/installed.out"; e2e_fail "the run did not end in the in-game menu it saved from"; }

flow_expect_bytes "$XDG_DATA_HOME/thrask/Save/mine.sav" "$NEW_GAME_RECORD"
# The game saved, and its recording (every game is kept as a replay).
written=$(cd "$E2E_WORK" && find prefix player -type f -newer install.log | sort | tr '\n' ' ')
echo "$written" | grep -Eqx 'player/data/thrask/Save/mine\.sav player/data/thrask/replays/[0-9]{8}-[0-9]{6}\.replay ' \
    || e2e_fail "files written by the game: $written"
[ -e /Save ] && e2e_fail "the game made /Save"

# No data anywhere: the program alone in a prefix of its own, started from /.
mkdir -p "$E2E_WORK/bare/bin"
cp "$PREFIX/bin/thrask" "$E2E_WORK/bare/bin/thrask"
run_without_data()
{
    status=0
    (cd / && env ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$@" \
        "$E2E_WORK/bare/bin/thrask" -nodialogs -win >"$E2E_WORK/nodata.out" 2>"$E2E_WORK/nodata.err") || status=$?
    [ "$status" = 1 ] || e2e_fail "without data: exit status $status, not 1"
    [ "$(wc -l <"$E2E_WORK/nodata.err")" = 1 ] || e2e_fail "without data: not one line on standard error: $(cat "$E2E_WORK/nodata.err")"
}
run_without_data
for tried in "/ (working directory)" "$E2E_WORK/bare/share/thrask (installed beside the program)"; do
    grep -qF "$tried" "$E2E_WORK/nodata.err" || e2e_fail "without data: '$tried' is not named: $(cat "$E2E_WORK/nodata.err")"
done
# THRASK_DATA naming an empty folder: that folder is named, and the data
# installed beside the program is not used instead.
mkdir -p "$E2E_WORK/bare/empty"
cp -r "$PREFIX/share" "$E2E_WORK/bare/share"
run_without_data THRASK_DATA="$E2E_WORK/bare/empty"
grep -qF "$E2E_WORK/bare/empty (THRASK_DATA)" "$E2E_WORK/nodata.err" \
    || e2e_fail "THRASK_DATA: the folder is not named: $(cat "$E2E_WORK/nodata.err")"

echo "PASS"
