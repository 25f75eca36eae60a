#!/usr/bin/env bash
# One game in the real window, recorded: New Game, Enter past the intro text,
# a walk with the arrow keys, Esc to the in-game menu, Return Game, Home to the
# menu again and Quit Game with status 0. The recording then proves what the
# window did: run without a window it ends exactly as recorded, in the in-game
# menu holding a game of level 1 whose player has moved; and watched again in
# the window (-replay -fast) it ends as recorded too.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

recording="$E2E_WORK/smoke.replay"
# No enemies in level 1: the flow waits for fades to settle and cannot dodge.
e2e_prepare_data() { flow_calm_level 1; }

e2e_start_display
e2e_start_game -record "$recording"
flow_click $NEW_GAME_X $NEW_GAME_Y
flow_settle
flow_press Return
flow_hold Right 0.5
flow_hold Up 0.3
flow_press Escape
flow_settle
flow_shot 01-ingame-menu >/dev/null
flow_click $RETURN_GAME_X $RETURN_GAME_Y
flow_settle
flow_hold Left 0.3
flow_press Home
flow_settle
flow_quit_from_menu
grep -q "recorded .* frames into" "$E2E_WORK/game.out" || e2e_fail "the game did not say it recorded the run"

# Without a window: the same game, frame by frame (against the data it was
# recorded with).
"$THRASK_REPLAY" --expect --data "$E2E_WORK/data" "$recording" >"$E2E_WORK/replay.out" 2>&1 \
    || { cat "$E2E_WORK/replay.out"; e2e_fail "the recording does not play back as recorded"; }
cat "$E2E_WORK/replay.out"
grep -qx "screen in-game-menu" "$E2E_WORK/replay.out" || e2e_fail "the run did not end in the in-game menu"
grep -qx "level 1" "$E2E_WORK/replay.out" || e2e_fail "the menu does not hold a game of level 1"

# In the window again, as fast as it goes: the game ends as it did. Like
# every game the harness starts, without the leak report at exit: the system
# libraries under SDL leave their own leftovers (D-Bus's, through the sound
# server's library that SDL links).
(cd "$E2E_WORK/data" && ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    timeout 120 "$THRASK_BIN" -win -replay "$recording" -fast \
    >"$E2E_WORK/watch.out" 2>"$E2E_WORK/watch.err") || e2e_fail "watching the replay failed: $(cat "$E2E_WORK/watch.err")"
grep -q "the replay ended as recorded" "$E2E_WORK/watch.out" \
    || e2e_fail "watching the replay: $(cat "$E2E_WORK/watch.out" "$E2E_WORK/watch.err")"

echo "PASS"
