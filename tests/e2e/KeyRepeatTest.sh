#!/usr/bin/env bash
# A held key repeats: each repeat reaches the screen as another key press.
# Holding B in the save-name prompt types a run of b's; a tap types one.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/flows.sh"

e2e_start_display
e2e_start_game
e2e_click $NEW_GAME_X $NEW_GAME_Y
flow_settle
flow_press Escape
flow_settle
e2e_click $SAVE_GAME_X $SAVE_GAME_Y
sleep 0.3
flow_press a
# The X server starts repeating a held key after about half a second.
flow_hold b 1.5
e2e_key Return
sleep 0.5

saved=$(ls "$E2E_WORK/data/Save" | grep '\.sav$' || true)
echo "saved as: $saved"
[ -n "$saved" ] || e2e_fail "no game was saved"
echo "$saved" | grep -Eq '^ab{3,}\.sav$' || e2e_fail "holding B did not repeat it: $saved"

e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "closing the window: exit status $GAME_STATUS"
echo "PASS"
