#!/usr/bin/env bash
# Saved games end to end: a game saved from the in-game menu is written byte
# for byte as the saved-game record; after a restart the load list offers it
# and loading it resumes the game where it was saved. A record written by hand
# (level 3, 10 health points stored as 0D 0A, score 26 = 0x1A) loads with that
# level, a health bar a third long, and saves back to the same bytes.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

SAVE_DIR="$E2E_WORK/data/Save"
# Level 1, 30 health points, score 0, the intro text showing.
NEW_GAME_RECORD="01 00 00 00 1e 00 00 00 00 00 00 00 01"
# Level 3, 10 health points (0x0A stored as 0D 0A), score 26, playing.
HAND_MADE_RECORD="03 00 00 00 0d 0a 00 00 00 1a 00 00 00 00"

# The position of a saved game in the load list: the directory's own order.
list_index()
{
    local index=0 name
    while IFS= read -r name; do
        case "$name" in *.sav) ;; *) continue ;; esac
        [ "$name" = "$1" ] && { echo $index; return; }
        index=$((index + 1))
    done < <(ls -U1 "$SAVE_DIR")
    e2e_fail "$1 is not in $SAVE_DIR"
}

# Opens the load list from the menu on the screen, selects $1 with the arrow
# keys and loads it.
load_saved_game()
{
    local index
    index=$(list_index "$1")
    flow_click $LOAD_GAME_X $LOAD_GAME_Y
    flow_settle
    local list
    list=$(flow_shot "list-$2")
    flow_expect_no_menu "$list" "Load Game"
    for ((i = 0; i < index; i++)); do e2e_key Down; done
    flow_shot "list-$2-selected" >/dev/null
    flow_click $LIST_LOAD_X $LIST_LOAD_Y
    flow_settle 10
}

# Saves the game held by the in-game menu on the screen under the name typed.
save_as()
{
    flow_click $SAVE_GAME_X $SAVE_GAME_Y
    sleep 0.3
    local prompt
    prompt=$(flow_shot "prompt-$2")
    # The prompt replaces the entries: the title picture shows where Quit Game was.
    flow_expect_like "Save Game: the entries are still drawn" 0.8 "$prompt" "$TITLE_PICTURE" -20 -87.5 30 -62.5
    e2e_type "$1"
    flow_shot "prompt-$2-typed" >/dev/null
    e2e_key Return
    local after
    after=$(flow_shot "after-save-$2")
    flow_expect_ingame_menu "$after" "Enter in the save prompt"
}

e2e_start_display

# A new game, saved while its intro text shows (play has not started, so the
# health is still full). Shift plays no part: "Anna" is saved as "anna".
flow_start
flow_calm_level 1
flow_click $NEW_GAME_X $NEW_GAME_Y
flow_settle
intro=$(flow_shot 01-intro)
cp "$intro" "$E2E_WORK/level1-intro.png"
flow_hold Left 0.3
flow_press Escape
flow_settle
flow_expect_ingame_menu "$(flow_shot 02-ingame-menu)" "Esc during the intro text"
save_as "Anna 7" first
flow_expect_bytes "$SAVE_DIR/anna 7.sav" "$NEW_GAME_RECORD"
others=$(ls -A "$SAVE_DIR" | grep -v -x -e 'anna 7.sav' -e '.keep' || true)
[ -z "$others" ] || e2e_fail "saving left other files in Save: $others"
flow_quit_from_menu
cp "$SAVE_DIR/anna 7.sav" "$E2E_WORK/kept.sav"

# A new start: the load list shows the saved game and the hand-made one.
# Level 3's peppers are worth nothing here: one may lie where the player
# starts, and eating it must not change the score the test compares.
flow_start
flow_calm_level 1
flow_calm_level 3 0
cp "$E2E_WORK/kept.sav" "$SAVE_DIR/anna 7.sav"
flow_write_save three "$HAND_MADE_RECORD"
flow_expect_bytes "$SAVE_DIR/three.sav" "$HAND_MADE_RECORD"

# Loading "anna 7": level 1 with its intro text again, held until Enter.
load_saved_game "anna 7.sav" anna
loaded=$(flow_shot 03-loaded-anna)
flow_expect_no_menu "$loaded" "loading anna 7"
flow_expect_like "loading anna 7: not level 1's intro text" 0.95 "$loaded" "$E2E_WORK/level1-intro.png"
[ "$(flow_bar_right "$loaded")" = none ] || e2e_fail "loading anna 7: play runs, the intro text should hold it"
# Saved again at once, it gives the same record.
flow_press Escape
flow_settle
flow_expect_ingame_menu "$(flow_shot 04-ingame-menu)" "Esc in the loaded game"
save_as "again" again
flow_expect_bytes "$SAVE_DIR/again.sav" "$NEW_GAME_RECORD"

# Loading the hand-made record from the in-game menu: level 3 (its garden),
# playing, the health bar a third of its full length.
load_saved_game "three.sav" three
loaded=$(flow_shot 05-loaded-three)
flow_expect_no_menu "$loaded" "loading three"
bar=$(flow_bar_right "$loaded")
[ "$bar" != none ] || e2e_fail "loading three: no health bar, so not playing"
awk -v b="$bar" 'BEGIN { exit !(b > -94.5 && b < -91.5) }' \
    || e2e_fail "loading three: the health bar ends at x $bar, not at -93 (10 of 30 health points)"
garden=$(flow_ncc "$loaded" "$THRASK_DATA_DIR/Textures/garden.png")
meadow=$(flow_ncc "$loaded" "$THRASK_DATA_DIR/Textures/meadow.png")
flow_above "$garden" 0.5 && flow_above "$garden" "$meadow" || e2e_fail "loading three: the background is not level 3's garden ($garden against $meadow)"
flow_press Escape
flow_settle
flow_expect_ingame_menu "$(flow_shot 06-ingame-menu)" "Esc in level 3"
save_as "three copy" copy
flow_expect_bytes "$SAVE_DIR/three copy.sav" "$HAND_MADE_RECORD"
flow_quit_from_menu

echo "PASS"
