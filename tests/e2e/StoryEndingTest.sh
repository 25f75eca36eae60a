#!/usr/bin/env bash
# The other paths between the screens: the story picture and both ways back
# (the lower-left corner, Backspace held); the load list with no saved games
# and its Return Game; the story and the load list opened from the in-game
# menu hand the suspended game back, so Return Game still resumes it; and the
# ending: completing level 15 shows the win picture with the score, a key
# release returns to the main menu, and Quit Game ends with status 0.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

e2e_start_display
flow_start
flow_calm_level 1

# The story from the main menu; a click elsewhere in the picture, or just
# right of the back corner, stays there; the corner goes back.
flow_click $GAME_STORY_X $GAME_STORY_Y
flow_settle
story=$(flow_shot 01-story)
flow_expect_story "$story" "Game Story"
flow_click 0 0
flow_click -60 -85
sleep 0.5
flow_expect_story "$(flow_shot 02-story-after-clicks)" "clicks outside the back corner"
flow_click $STORY_BACK_X $STORY_BACK_Y
flow_settle
flow_expect_main_menu "$(flow_shot 03-main-menu)" "the story's back corner"

# Backspace held leaves the story too.
flow_click $GAME_STORY_X $GAME_STORY_Y
flow_settle
flow_expect_story "$(flow_shot 04-story)" "Game Story again"
flow_hold BackSpace 0.6
flow_settle
flow_expect_main_menu "$(flow_shot 05-main-menu)" "Backspace in the story"

# The load list with an empty Save directory: the message and Return Game
# only; the arrow keys and the Load Game button's place do nothing.
flow_click $LOAD_GAME_X $LOAD_GAME_Y
flow_settle
empty=$(flow_shot 06-empty-list)
flow_expect_no_menu "$empty" "Load Game"
flow_above "$(flow_mean "$empty" -25 -5 40 8)" 0.01 || e2e_fail "no message in the empty load list"
flow_above "$(flow_mean "$empty" 20 -60 80 -40)" 0.01 && e2e_fail "the empty load list shows a Load Game button"
flow_above "$(flow_mean "$empty" -80 -60 -20 -40)" 0.05 || e2e_fail "the empty load list has no Return Game button"
e2e_key Down Up
flow_click $LIST_LOAD_X $LIST_LOAD_Y
sleep 0.5
still=$(flow_shot 07-empty-list-after-clicks)
flow_above "$(flow_differ "$empty" "$still")" 0.01 && e2e_fail "the empty load list changed with the arrow keys or a click on Load Game"
flow_click $LIST_RETURN_X $LIST_RETURN_Y
flow_settle
flow_expect_main_menu "$(flow_shot 08-main-menu)" "Return Game in the load list"

# From the in-game menu: the story and the empty load list go back to the
# in-game menu, whose Return Game brings back the game (Esc came during the
# intro text, so the text shows again).
flow_click $NEW_GAME_X $NEW_GAME_Y
flow_settle
intro=$(flow_shot 09-intro)
flow_expect_no_menu "$intro" "New Game"
flow_press Escape
flow_settle
flow_expect_ingame_menu "$(flow_shot 10-ingame-menu)" "Esc"
flow_click $GAME_STORY_X $GAME_STORY_Y
flow_settle
flow_expect_story "$(flow_shot 11-story-in-game)" "Game Story in the in-game menu"
flow_click $STORY_BACK_X $STORY_BACK_Y
flow_settle
flow_expect_ingame_menu "$(flow_shot 12-ingame-menu)" "back from the story"
flow_click $LOAD_GAME_X $LOAD_GAME_Y
flow_settle
flow_expect_no_menu "$(flow_shot 13-empty-list-in-game)" "Load Game in the in-game menu"
flow_click $LIST_RETURN_X $LIST_RETURN_Y
flow_settle
flow_expect_ingame_menu "$(flow_shot 14-ingame-menu)" "back from the load list"
flow_click $RETURN_GAME_X $RETURN_GAME_Y
flow_settle
resumed=$(flow_shot 15-resumed)
flow_expect_like "Return Game after the story and the list: not the game's intro text" 0.95 "$resumed" "$intro"
flow_press Return
[ "$(flow_bar_right "$(flow_shot 16-playing)")" != none ] || e2e_fail "Enter in the resumed game: no health bar, so not playing"

# The ending: a last level without peppers is complete at once. A saved game
# at level 15 with a score of 100 is loaded from the in-game menu.
printf '0\n0\n0\n0\n0\n0\n0\n10\ncastle.png\nnone\n' >"$E2E_WORK/data/Levels/l15.lvl"
flow_write_save last "0f 00 00 00 1e 00 00 00 64 00 00 00 00"
flow_press Escape
flow_settle
flow_expect_ingame_menu "$(flow_shot 17-ingame-menu)" "Esc in play"
flow_click $LOAD_GAME_X $LOAD_GAME_Y
flow_settle
flow_shot 18-list >/dev/null
flow_click $LIST_LOAD_X $LIST_LOAD_Y
# The load fade (10), then the fade into the ending screen (25).
flow_settle 35
ending=$(flow_shot 19-ending)
flow_expect_no_menu "$ending" "completing level 15"
echo "win picture: $(flow_ncc_fit "$ending" "$WIN_PICTURE" -60 10 60 90)"
flow_above "$(flow_ncc_fit "$ending" "$WIN_PICTURE" -60 10 60 90)" 0.9 || e2e_fail "the ending screen does not show the win picture"
flow_above "$(flow_mean "$ending" -30 -15 30 0)" 0.01 || e2e_fail "no score text on the ending screen"
flow_above "$(flow_mean "$ending" -50 -85 50 -75)" 0.01 || e2e_fail "no credits line on the ending screen"
# Clicks do not leave it; a key released does.
flow_click 0 50
flow_click 0 -50 3
sleep 0.5
flow_above "$(flow_differ "$ending" "$(flow_shot 20-ending-after-clicks)")" 0.01 && e2e_fail "a click changed the ending screen"
e2e_key space
flow_settle 10
flow_expect_main_menu "$(flow_shot 21-main-menu)" "a key on the ending screen"
flow_quit_from_menu

echo "PASS"
