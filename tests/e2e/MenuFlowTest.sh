#!/usr/bin/env bash
# A game from the title menu and back: New Game, a little play with the arrow
# keys, Esc opens the in-game menu, Return Game resumes the game, Esc again,
# and Quit Game ends the program with status 0.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

e2e_start_display
flow_start
flow_calm_level 1

menu=$(flow_shot 01-main-menu)
flow_expect_main_menu "$menu" "start-up"

# New Game: the first level holds play behind its intro text until Enter.
flow_click $NEW_GAME_X $NEW_GAME_Y
flow_settle
intro=$(flow_shot 02-intro)
flow_expect_no_menu "$intro" "New Game"
bar=$(flow_bar_right "$intro")
[ "$bar" = none ] || e2e_fail "the health bar shows during the intro text (right end at $bar)"

# Enter starts play (the health bar is drawn only in play); the right arrow
# walks the player off the centre, and nothing else in this level moves.
flow_press Return
play=$(flow_shot 03-play)
flow_expect_no_menu "$play" "after Enter"
[ "$(flow_bar_right "$play")" != none ] || e2e_fail "Enter did not end the intro text: no health bar"
flow_hold Right 0.4
xdotool keydown Up keydown Down
sleep 0.2
xdotool keyup Up keyup Down
moved=$(flow_shot 04-moved)
flow_above "$(flow_region_differ "$play" "$moved" -5 -5 5 5)" 0.3 \
    || e2e_fail "the player did not leave the centre with the right arrow"
# Esc: the in-game menu, with Return Game and Save Game.
flow_press Escape
flow_settle
ingame=$(flow_shot 05-ingame-menu)
flow_expect_ingame_menu "$ingame" "Esc in play"
flow_above "$(flow_region_differ "$play" "$ingame" -75 -37.5 -25 -12.5)" 0.3 \
    || e2e_fail "the Return Game entry region looks as in play"

# Return Game: the game again, without its intro text.
flow_click $RETURN_GAME_X $RETURN_GAME_Y
flow_settle
resumed=$(flow_shot 06-resumed)
flow_expect_no_menu "$resumed" "Return Game"
[ "$(flow_bar_right "$resumed")" != none ] || e2e_fail "Return Game: no health bar, so not playing"
# The same game: the peppers where they lay (the player, drawn unlit, is
# masked: the fades may leave the lit parts at a different light level), and
# the player where it stood, not back at the centre.
flow_expect_above "Return Game: not the game as it was" \
    "$(flow_ncc_masked "$resumed" "$moved" -10 -10 70 10)" 0.99
near_moved=$(flow_ncc "$resumed" "$moved" -10 -10 70 10)
near_start=$(flow_ncc "$resumed" "$play" -10 -10 70 10)
flow_expect_above "Return Game: the player is not where it stood" "$near_moved" 0.5
flow_expect_above "Return Game: the player is back at the centre" "$near_moved" "$(awk -v v="$near_start" 'BEGIN { print v + 0.3 }')"

# Esc again, then Quit Game.
flow_press Escape
flow_settle
again=$(flow_shot 07-ingame-menu-again)
flow_expect_ingame_menu "$again" "the second Esc"
flow_quit_from_menu

echo "PASS"
