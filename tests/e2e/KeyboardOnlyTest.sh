#!/usr/bin/env bash
# The whole way through with the keyboard alone, the pointer parked outside
# the window: Down and Enter start a new game, Esc opens the in-game menu,
# Down and Enter open the save prompt, a typed name and Enter save the game,
# Down and Enter open the load list, Enter loads the game, a quick tap of
# Enter passes its intro text, Esc and Esc again leave and resume it, and Esc,
# Up, Up and Enter quit. Every key is a tap (xdotool presses and releases it at
# once), so taps shorter than a frame count. The saved file holds the new
# game's record, and the recording proves what the window did: it plays back
# exactly, through the screens named below.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

SAVE_DIR="$E2E_WORK/data/Save"
recording="$E2E_WORK/keys.replay"
# Level 1, 30 health points, score 0, the intro text showing.
NEW_GAME_RECORD="01 00 00 00 1e 00 00 00 00 00 00 00 01"
e2e_prepare_data() { flow_calm_level 1; }

e2e_start_display
# The pointer rests outside the window (800 x 600 screen, 640 x 480 window):
# nothing is under it.
xdotool mousemove 790 590
e2e_start_game -record "$recording"

e2e_key Down Return            # New Game, marked by the first Down
flow_settle
e2e_key Escape                 # the in-game menu, its intro text still showing
flow_settle
e2e_key Down Down Down Return  # Return Game, New Game, Save Game: the prompt
sleep 0.3
e2e_type "keys 1"
e2e_key Return
flow_expect_bytes "$SAVE_DIR/keys 1.sav" "$NEW_GAME_RECORD"

e2e_key Down Return            # Load Game, the next entry
flow_settle
e2e_key Return                 # the only saved game, selected
flow_settle 10
e2e_key Return                 # past the intro text
flow_hold Right 0.4
e2e_key Escape
flow_settle
e2e_key Escape                 # Return Game
flow_settle
e2e_key Escape
flow_settle
e2e_key Up Up Up Return        # the first Up marks the Best Scores sign, the last entry; then Options, then Quit Game
e2e_wait_exit 10
[ "$GAME_STATUS" = 0 ] || e2e_fail "Quit Game by the keyboard: exit status $GAME_STATUS"

"$THRASK_REPLAY" --expect --trace --data "$E2E_WORK/data" "$recording" >"$recording.out" 2>&1 \
    || { cat "$recording.out"; e2e_fail "the recording does not play back as recorded"; }
for line in "screen fade main-menu -> play, level 1, hp 30" \
            "screen fade in-game-menu -> load-list, level 1, hp 30" \
            "screen fade load-list -> play, level 1, hp 30" \
            "screen fade in-game-menu -> play, level 1, hp 30"; do
    grep -q -- "$line" "$recording.out" || { cat "$recording.out"; e2e_fail "the run never went through \"$line\""; }
done
grep -qx "screen in-game-menu" "$recording.out" || { cat "$recording.out"; e2e_fail "the run did not end in the in-game menu"; }
echo "PASS"
