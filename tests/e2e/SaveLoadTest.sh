#!/usr/bin/env bash
# Saved games on disk: a game saved from the in-game menu is written byte for
# byte as the saved-game record (Shift plays no part: "Anna 7" is saved as
# "anna 7.sav"); after a restart the load list offers it, and a loaded game
# saved again gives the same record. A record written by hand (level 3, 10
# health points stored as 0D 0A, score 26 = 0x1A) loads and saves back to the
# same bytes. Each run is recorded, and the recordings say what the window
# showed: the replays end exactly as recorded, with the expected games.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

SAVE_DIR="$E2E_WORK/data/Save"
# No enemies in levels 1 and 3, and level 3's peppers worth nothing: the flow
# cannot dodge, and a pepper where the player starts must not change the score.
e2e_prepare_data() { flow_calm_level 1; flow_calm_level 3 0; }
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
    for ((i = 0; i < index; i++)); do e2e_key Down; done
    flow_click $LIST_LOAD_X $LIST_LOAD_Y
    flow_settle 10
}

# Saves the game held by the in-game menu on the screen under the name typed.
save_as()
{
    flow_click $SAVE_GAME_X $SAVE_GAME_Y
    sleep 0.3
    e2e_type "$1"
    e2e_key Return
}

# The recording $1 plays back as recorded and ends with the lines given.
expect_replay()
{
    local recording=$1 line
    shift
    "$THRASK_REPLAY" --expect --data "$E2E_WORK/data" "$recording" >"$recording.out" 2>&1 \
        || { cat "$recording.out"; e2e_fail "$(basename "$recording") does not play back as recorded"; }
    for line in "$@"; do
        grep -qx "$line" "$recording.out" || { cat "$recording.out"; e2e_fail "$(basename "$recording"): no line \"$line\""; }
    done
}

e2e_start_display

# A new game, saved while its intro text shows (play has not started, so the
# health is still full).
e2e_start_game -record "$E2E_WORK/first.replay"
flow_click $NEW_GAME_X $NEW_GAME_Y
flow_settle
flow_press Escape
flow_settle
save_as "Anna 7"
flow_expect_bytes "$SAVE_DIR/anna 7.sav" "$NEW_GAME_RECORD"
others=$(ls -A "$SAVE_DIR" | grep -v -x -e 'anna 7.sav' -e '.keep' || true)
[ -z "$others" ] || e2e_fail "saving left other files in Save: $others"
flow_quit_from_menu
cp "$SAVE_DIR/anna 7.sav" "$E2E_WORK/kept.sav"
expect_replay "$E2E_WORK/first.replay" "screen in-game-menu" "level 1" "hp 30" "score 0"

# A new start: the load list shows the saved game and the hand-made one.
e2e_prepare_data()
{
    flow_calm_level 1
    flow_calm_level 3 0
    cp "$E2E_WORK/kept.sav" "$SAVE_DIR/anna 7.sav"
    flow_write_save three "$HAND_MADE_RECORD"
}
e2e_start_game -record "$E2E_WORK/second.replay"
flow_expect_bytes "$SAVE_DIR/three.sav" "$HAND_MADE_RECORD"

# "anna 7" loaded and saved again at once gives the same record.
load_saved_game "anna 7.sav"
flow_press Escape
flow_settle
save_as "again"
flow_expect_bytes "$SAVE_DIR/again.sav" "$NEW_GAME_RECORD"

# The hand-made record, loaded from the in-game menu and saved again.
load_saved_game "three.sav"
flow_press Escape
flow_settle
save_as "three copy"
flow_expect_bytes "$SAVE_DIR/three copy.sav" "$HAND_MADE_RECORD"
flow_quit_from_menu
expect_replay "$E2E_WORK/second.replay" "screen in-game-menu" "level 3" "hp 10" "score 26"

echo "PASS"
