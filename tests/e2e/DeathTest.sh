#!/usr/bin/env bash
# Losing all health points: in a first level crowded with zombies a player who
# stands still is caught, the death sequence runs, and the main menu follows
# by itself; a new game can be started from it.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

e2e_start_display
flow_start
# Fifteen zombies, five peppers, no intro text.
printf '0\n0\n0\n15\n0\n0\n5\n10\nmeadow.png\nnone\n' >"$E2E_WORK/data/Levels/l1.lvl"
flow_click $NEW_GAME_X $NEW_GAME_Y

# Play, then the main menu; a picture of every step on the way is kept.
started=$SECONDS
step=0
played=""
while :; do
    [ $((SECONDS - started)) -gt 30 ] && e2e_fail "the player did not die within 30 s"
    kill -0 "$GAME_PID" 2>/dev/null || e2e_fail "the game ended"
    step=$((step + 1))
    shot=$(flow_shot "$(printf '01-step-%02d' $step)")
    if flow_above "$(flow_ncc "$shot" "$TITLE_PICTURE")" 0.9; then
        [ -n "$played" ] && break
    elif [ "$(flow_bar_right "$shot")" != none ]; then
        played=yes
    fi
done
flow_settle 0
menu=$(flow_shot 03-main-menu)
flow_expect_main_menu "$menu" "after the death"

# The menu works: a new game starts (in the game's own first level, without
# its zombies), and Home, like Esc, opens the in-game menu.
cp "$THRASK_DATA_DIR/Levels/l1.lvl" "$E2E_WORK/data/Levels/l1.lvl"
flow_calm_level 1
flow_click $NEW_GAME_X $NEW_GAME_Y
flow_settle
flow_expect_no_menu "$(flow_shot 04-new-game)" "New Game after the death"
flow_press Home
flow_settle
flow_expect_ingame_menu "$(flow_shot 05-ingame-menu)" "Home in the new game"
flow_quit_from_menu

echo "PASS"
