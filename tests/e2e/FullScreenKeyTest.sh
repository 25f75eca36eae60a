#!/usr/bin/env bash
# F11 and Alt+Enter switch the real window between a window and full screen
# and back, on the title menu and during play, and the choice is remembered:
# the next start opens as the last switch left it, and writes nothing more.
E2E_SCREEN=1024x768x24
. "$(dirname "$0")/harness.sh"

settings="$XDG_CONFIG_HOME/thrask/settings.ini"

expect_size()
{
    local what="$1" want="$2" size="" tries=0
    while [ $tries -lt 30 ]; do
        read -r width height <<<"$(e2e_window_size)"
        size="${width}x${height}"
        [ "$size" = "$want" ] && return 0
        tries=$((tries + 1))
        sleep 0.1
    done
    e2e_fail "$what: the window is $size, not $want"
}

e2e_start_display
e2e_start_game
expect_size "a window" 640x480
[ ! -e "$settings" ] || e2e_fail "an untouched game wrote $settings"
e2e_key F11
expect_size "F11" 1024x768
e2e_screenshot "$E2E_WORK/full.png"
brightness=$(e2e_brightness "$E2E_WORK/full.png")
awk -v b="$brightness" 'BEGIN { exit !(b > 0.05) }' || e2e_fail "the full screen picture is black"
grep -qx "fullscreen = true" "$settings" || e2e_fail "full screen was not remembered: $(cat "$settings")"
e2e_key F11
expect_size "F11 again" 640x480
e2e_key alt+Return
expect_size "Alt+Enter" 1024x768
# During play too.
e2e_key Return
sleep 1.5
e2e_key alt+Return
expect_size "Alt+Enter in play" 640x480
grep -qx "fullscreen = false" "$settings" || e2e_fail "the window was not remembered: $(cat "$settings")"
e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "exit status $GAME_STATUS"

# Without -win the game opens as remembered: a window.
cp "$settings" "$E2E_WORK/before.ini"
e2e_start_game_full_screen
expect_size "the next start" 640x480
e2e_close_window
e2e_wait_exit
cmp -s "$settings" "$E2E_WORK/before.ini" || e2e_fail "a start that changed nothing rewrote the settings"
echo "PASS"
