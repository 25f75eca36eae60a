#!/usr/bin/env bash
# The game opens a window titled "Thrask" that shows a picture, and ends with
# status 0 when it is told to (SIGTERM) and when its window is closed; without
# a display it says so and fails.
. "$(dirname "$0")/harness.sh"

e2e_start_display

# The window, a picture, then SIGTERM.
e2e_start_game
[ -n "$GAME_WINDOW" ] || e2e_fail "no window"
[ "$(xdotool getwindowname "$GAME_WINDOW")" = "Thrask" ] || e2e_fail "the window is not titled Thrask"
read -r width height <<<"$(e2e_window_size)"
[ "$width" = 640 ] && [ "$height" = 480 ] || e2e_fail "window is ${width}x${height}, not the default 640x480"
e2e_screenshot "$E2E_WORK/window.png"
[ -s "$E2E_WORK/window.png" ] || e2e_fail "empty screenshot"
brightness=$(e2e_brightness "$E2E_WORK/window.png")
echo "mean brightness of the first picture: $brightness"
# The title menu's picture lights the window up; without it there is nothing
# to see yet.
if [ -e "$THRASK_DATA_DIR/Textures/title.png" ]; then
    awk -v b="$brightness" 'BEGIN { exit !(b > 0.02) }' || e2e_fail "the title screen is black"
fi
kill -TERM "$GAME_PID"
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "SIGTERM: exit status $GAME_STATUS"

# The options reach the game: a window of the asked size.
e2e_start_game -w 320 -h 240
read -r width height <<<"$(e2e_window_size)"
[ "$width" = 320 ] && [ "$height" = 240 ] || e2e_fail "-w 320 -h 240 gave ${width}x${height}"

# Keys and the mouse do not disturb it; then the close button ends it.
e2e_key Down Up Escape
e2e_move 50 50
e2e_click -50 -50 3
e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "closing the window: exit status $GAME_STATUS"

# No display: one line on standard error and a failure status.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR "$THRASK_BIN" -win >"$E2E_WORK/nodisplay.out" 2>"$E2E_WORK/nodisplay.err" || status=$?
[ "$status" != 0 ] || e2e_fail "without a display the game exited with status 0"
lines=$(wc -l <"$E2E_WORK/nodisplay.err")
[ "$lines" = 1 ] || e2e_fail "without a display: $lines lines on standard error"
grep -qi "display" "$E2E_WORK/nodisplay.err" || e2e_fail "the message does not mention the display"

echo "PASS"
