#!/usr/bin/env bash
# Full screen: the game takes the display mode nearest to the request from the
# X server's list (Xvfb offers exactly its screen size) and covers the screen;
# no warning is given when the switch works.
E2E_SCREEN=800x600x24
. "$(dirname "$0")/harness.sh"

e2e_start_display
for request in "" "-w 1024 -h 768 -d 16" "-w 320 -h 200"; do
    # shellcheck disable=SC2086
    e2e_start_game_full_screen $request
    read -r width height <<<"$(e2e_window_size)"
    [ "$width" = 800 ] && [ "$height" = 600 ] || e2e_fail "full screen '$request' gave ${width}x${height}"
    e2e_screenshot "$E2E_WORK/full.png"
    if [ -e "$THRASK_DATA_DIR/Textures/title.png" ]; then
        brightness=$(e2e_brightness "$E2E_WORK/full.png")
        awk -v b="$brightness" 'BEGIN { exit !(b > 0.02) }' || e2e_fail "full screen '$request' is black"
    fi
    kill -TERM "$GAME_PID"
    e2e_wait_exit
    [ "$GAME_STATUS" = 0 ] || e2e_fail "full screen '$request': exit status $GAME_STATUS"
    ! grep -q "Could not change" "$E2E_WORK/game.err" || e2e_fail "full screen '$request' warned"
done
echo "PASS"
