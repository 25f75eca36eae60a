#!/usr/bin/env bash
# The best scores and every game's recording in the real game and its files:
# a damaged score file found at the start is moved aside and said so, a
# foreign file in the replays folder is left alone; a game loaded and played
# to its death enters the list, its name is typed, the list shows it and
# watches its recording in the window, which ends as recorded and gives the
# list back; Quit Game ends with status 0. The files then prove the rest:
# the list holds the game under its name, and its recording plays back
# without a window to the same end (thrask-replay --expect).
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

kept="$XDG_DATA_HOME/thrask"
rm -rf "$kept"
mkdir -p "$kept/replays"
printf 'thrask-scores 1\n300 1 2024-01-02 - old\nnot a game\n' >"$kept/scores"
echo "the player's own notes" >"$kept/replays/notes.txt"

# A weak player on level 2, where a crowd of zombies waits: standing still
# is enough to die.
e2e_prepare_data()
{
    flow_write_save weak "02 00 00 00 05 00 00 00 bc 02 00 00 00"
    awk 'NR == 4 { print 14; next } { print }' "$E2E_WORK/data/Levels/l2.lvl" >"$E2E_WORK/l2" \
        && mv "$E2E_WORK/l2" "$E2E_WORK/data/Levels/l2.lvl"
}

e2e_start_display
# The pointer rests outside the window (800 x 600 screen, 640 x 480 window):
# the keys alone mark the entries.
xdotool mousemove 790 590
e2e_start_game
grep -q "The best-score file was damaged: kept aside as scores.damaged" "$E2E_WORK/game.err" \
    || e2e_fail "the damaged file was not said on standard error"
[ -f "$kept/scores.damaged" ] || e2e_fail "the damaged file was not kept aside"
grep -q "^300 1 2024-01-02 - old$" "$kept/scores" || e2e_fail "the good game of the damaged file was lost"

# Load Game by keyboard, the only saved game, and stand still.
e2e_key Down Down
flow_press Return
flow_settle
flow_press Return
# The game enters the list at the death's end (with 700 points or a few more
# from a pepper on the way), before its name is typed.
entered='^[0-9]* 2 [0-9-]* [0-9-]*\.replay '
for _ in $(seq 300); do
    grep -q "$entered" "$kept/scores" 2>/dev/null && break
    kill -0 "$GAME_PID" 2>/dev/null || e2e_fail "the game ended unexpectedly"
    sleep 0.2
done
grep -q "$entered\$" "$kept/scores" || e2e_fail "the death did not enter the best scores: $(cat "$kept/scores")"
flow_settle
flow_shot 01-name-prompt >/dev/null
e2e_type "anna"
flow_press Return
flow_settle
flow_shot 02-best-scores >/dev/null
grep -q "${entered}anna\$" "$kept/scores" || e2e_fail "the list does not hold anna's game: $(cat "$kept/scores")"
replay="$kept/replays/$(sed -n 's/^[0-9]* 2 [0-9-]* \([0-9-]*\.replay\) anna$/\1/p' "$kept/scores")"
[ -f "$replay" ] || e2e_fail "the listed game's recording $replay is missing"

# Watch it: Enter on the marked game (the new one), and wait for its end.
flow_press Return
for _ in $(seq 300); do
    grep -q "the replay ended" "$E2E_WORK/game.out" && break
    sleep 0.2
done
grep -q "the replay ended as recorded" "$E2E_WORK/game.out" \
    || e2e_fail "watching the game: $(cat "$E2E_WORK/game.out")"
flow_settle
flow_shot 03-back-to-the-list >/dev/null
flow_press Escape
flow_settle
flow_quit_from_menu

[ "$(cat "$kept/replays/notes.txt")" = "the player's own notes" ] || e2e_fail "a foreign file was touched"
"$THRASK_REPLAY" --expect --data "$E2E_WORK/data" "$replay" >"$E2E_WORK/replay.out" 2>&1 \
    || { cat "$E2E_WORK/replay.out"; e2e_fail "the game's recording does not play back as recorded"; }
cat "$E2E_WORK/replay.out"
grep -qx "screen score-entry" "$E2E_WORK/replay.out" || e2e_fail "the recording did not end at the name prompt"
echo "PASS"
