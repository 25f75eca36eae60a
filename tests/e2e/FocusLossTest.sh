#!/usr/bin/env bash
# Another window taking the keyboard focus during play opens the in-game
# menu, as Esc does; with -nopause the game plays on. The recordings prove
# it: the first run fades from play into the in-game menu though no key was
# pressed after the intro, the second never leaves play.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

e2e_prepare_data() { flow_calm_level 1; }

# Starts a game, passes the intro, gives the focus to another window, and
# quits by closing the game's window; the recording's trace goes to $1.out.
play_and_look_away()
{
    local recording=$1
    shift
    e2e_start_game -record "$recording" "$@"
    flow_click $NEW_GAME_X $NEW_GAME_Y
    flow_settle
    e2e_key Return
    sleep 0.3
    xlogo -geometry 100x100+650+450 >/dev/null 2>&1 &
    local other=$!
    local tries=0 window=""
    while [ -z "$window" ]; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && e2e_fail "the other window did not appear"
        sleep 0.1
        window=$(xdotool search --onlyvisible --class xlogo 2>/dev/null | head -n 1)
    done
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    flow_settle
    kill "$other" 2>/dev/null
    wait "$other" 2>/dev/null
    e2e_close_window
    e2e_wait_exit
    [ "$GAME_STATUS" = 0 ] || e2e_fail "closing the window: exit status $GAME_STATUS"
    "$THRASK_REPLAY" --expect --trace --data "$E2E_WORK/data" "$recording" >"$recording.out" 2>&1 \
        || { cat "$recording.out"; e2e_fail "$(basename "$recording") does not play back as recorded"; }
}

e2e_start_display
play_and_look_away "$E2E_WORK/pause.replay"
grep -q "screen fade play -> in-game-menu" "$E2E_WORK/pause.replay.out" \
    || { cat "$E2E_WORK/pause.replay.out"; e2e_fail "losing the focus did not open the in-game menu"; }
grep -qx "screen in-game-menu" "$E2E_WORK/pause.replay.out" \
    || { cat "$E2E_WORK/pause.replay.out"; e2e_fail "the game did not stay in the in-game menu"; }

play_and_look_away "$E2E_WORK/nopause.replay" -nopause
grep -q "in-game-menu" "$E2E_WORK/nopause.replay.out" \
    && { cat "$E2E_WORK/nopause.replay.out"; e2e_fail "with -nopause the game left play"; }
grep -qx "screen play" "$E2E_WORK/nopause.replay.out" \
    || { cat "$E2E_WORK/nopause.replay.out"; e2e_fail "with -nopause the game did not play on"; }
echo "PASS"
