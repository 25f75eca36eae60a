# End-to-end harness: runs the real game under its own X virtual frame
# buffer and drives it like a player. Source it from a test script:
#
#   . "$(dirname "$0")/harness.sh"
#   e2e_start_display                 # own Xvfb on a free display; stopped on exit
#   e2e_start_game [options]          # thrask -win [options] in a copy of data/
#   e2e_start_game_full_screen [opts] # thrask [options], without -win
#   e2e_start_program dir bin [opts]  # any program file of the game, started in dir
#   e2e_key Return                    # press and release keys (xdotool key names)
#   e2e_keydown Left; e2e_keyup Left  # hold and release
#   e2e_type "anna"                   # type text
#   e2e_move 0 -15                    # pointer to a point in view units (-100..100, y up)
#   e2e_click 0 -15 [button]          # move there and click (1 left, 3 right)
#   e2e_screenshot shot.png           # the game window as a PNG
#   e2e_brightness shot.png           # mean brightness 0..1
#   e2e_close_window                  # the window's close button
#   e2e_wait_exit [seconds]           # waits for the game to end; its status in GAME_STATUS
#   e2e_fail "message"                # ends the test as failed
#
# The test's scratch directory is $E2E_WORK (the game runs in $E2E_WORK/data,
# so saved games appear in $E2E_WORK/data/Save, and the best scores and the
# games' recordings in $E2E_WORK/home/thrask). The game's output goes to
# $E2E_WORK/game.out and $E2E_WORK/game.err.
#
# CTest passes THRASK_BIN (the game), THRASK_REPLAY (the replay checker),
# THRASK_DATA_DIR (the data to copy), THRASK_CLOSE_WINDOW (the close-button
# helper), THRASK_BUILD_DIR (the build tree, for cmake --install) and E2E_WORK.

set -u
# The game takes THRASK_DATA over its working directory; a test names its
# data itself.
unset THRASK_DATA
# The game's sound runs through SDL's silent driver: the mixer works as with
# a device, but nothing is heard and no machine's device is needed. A test
# of the sound chooses its own driver.
export SDL_AUDIODRIVER=dummy

: "${E2E_WORK:=$(mktemp -d)}"
# The best scores and the recording of every game go to the test's own
# folder, never to the account's; a test of them reads them there.
export XDG_DATA_HOME="$E2E_WORK/home"
# The game keeps the player's settings in the test's own folder, never in
# the settings of whoever runs the tests.
export XDG_CONFIG_HOME="$E2E_WORK/config"
rm -rf "$XDG_CONFIG_HOME"

E2E_XVFB_PID=""
GAME_PID=""
GAME_WINDOW=""
GAME_STATUS=""

e2e_fail()
{
    echo "FAIL: $*" >&2
    if [ -s "$E2E_WORK/game.err" ]; then
        echo "--- the game's standard error:" >&2
        tail -n 20 "$E2E_WORK/game.err" >&2
    fi
    exit 1
}

e2e_cleanup()
{
    if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill -KILL "$GAME_PID" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
    fi
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
}
trap e2e_cleanup EXIT

# Starts Xvfb (800 x 600 x 24 unless E2E_SCREEN says otherwise) on a display
# number it picks itself, and exports DISPLAY.
e2e_start_display()
{
    mkdir -p "$E2E_WORK"
    local numberFile="$E2E_WORK/display"
    rm -f "$numberFile"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-800x600x24}" -nolisten tcp -noreset \
        3>"$numberFile" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    local tries=0
    while [ ! -s "$numberFile" ]; do
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb did not start: $(tail -n 3 "$E2E_WORK/xvfb.log")"
        tries=$((tries + 1))
        [ $tries -gt 100 ] && e2e_fail "Xvfb did not report its display"
        sleep 0.1
    done
    export DISPLAY=":$(tr -dc '0-9' <"$numberFile")"
    unset WAYLAND_DISPLAY
}

# Copies the game's data into the scratch directory, without saved games
# (then calls the test's e2e_prepare_data, if it defines one), and starts the game in a window there;
# waits until its window titled "Thrask" exists (GAME_WINDOW).
e2e_start_game()
{
    e2e_launch -win "$@"
}

# The same in full screen: the game picks the X server's display mode.
e2e_start_game_full_screen()
{
    e2e_launch "$@"
}

e2e_launch()
{
    rm -rf "$E2E_WORK/data"
    cp -r "$THRASK_DATA_DIR" "$E2E_WORK/data"
    mkdir -p "$E2E_WORK/data/Save" "$E2E_WORK/data/Textures" "$E2E_WORK/data/Levels" "$E2E_WORK/data/Intro"
    # The game starts with no saved games (a local checkout may have some).
    rm -f "$E2E_WORK/data/Save/"*.sav
    # A test may change its copy of the data before the game reads it.
    if [ "$(type -t e2e_prepare_data)" = function ]; then e2e_prepare_data; fi
    e2e_start_program "$E2E_WORK/data" "$THRASK_BIN" "$@"
}

# Starts the program file $2 with working directory $1 and the options that
# follow, unattended (-nodialogs: a warning never waits for its OK button),
# as e2e_start_game does; waits for its window.
e2e_start_program()
{
    local dir="$1" program="$2"
    shift 2
    # In the sanitizer build the game runs under AddressSanitizer and UBSan,
    # but without the leak report at exit: the GL driver modules are unloaded
    # by then, so their own leftovers cannot be told apart by name. The
    # game's own objects are leak-checked by the unit tests.
    (cd "$dir" && exec env \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$program" -nodialogs "$@" \
        >"$E2E_WORK/game.out" 2>"$E2E_WORK/game.err") &
    GAME_PID=$!
    GAME_WINDOW=""
    local tries=0
    while [ -z "$GAME_WINDOW" ]; do
        kill -0 "$GAME_PID" 2>/dev/null || e2e_fail "the game ended before its window appeared"
        tries=$((tries + 1))
        [ $tries -gt 300 ] && e2e_fail "no window titled Thrask after 30 s"
        sleep 0.1
        GAME_WINDOW=$(xdotool search --onlyvisible --name '^Thrask$' 2>/dev/null | head -n 1)
    done
    xdotool windowfocus --sync "$GAME_WINDOW" 2>/dev/null || xdotool windowfocus "$GAME_WINDOW"
    # A few frames, so the first picture is on the screen.
    sleep "${E2E_SETTLE:-1}"
}

e2e_window_size()
{
    xdotool getwindowgeometry --shell "$GAME_WINDOW" | sed -n 's/^\(WIDTH\|HEIGHT\)=//p' | tr '\n' ' '
}

e2e_key() { xdotool key --delay 60 "$@"; sleep 0.2; }
e2e_keydown() { xdotool keydown "$@"; sleep 0.1; }
e2e_keyup() { xdotool keyup "$@"; sleep 0.1; }
e2e_type() { xdotool type --delay 80 "$1"; sleep 0.2; }

# Pointer to view point (x, y) of the default 200 x 200 camera.
e2e_move()
{
    local size width height px py
    size=$(e2e_window_size)
    width=${size%% *}
    height=${size#* }
    height=${height%% *}
    px=$(awk -v v="$1" -v w="$width" 'BEGIN { printf "%d", (v + 100) / 200 * w }')
    py=$(awk -v v="$2" -v h="$height" 'BEGIN { printf "%d", (100 - v) / 200 * h }')
    xdotool mousemove --window "$GAME_WINDOW" "$px" "$py"
    # The pointer reaches the screen at the next frame.
    sleep 0.2
}

e2e_click()
{
    e2e_move "$1" "$2"
    xdotool click "${3:-1}"
    sleep 0.2
}

e2e_screenshot()
{
    import -window "$GAME_WINDOW" "$1" 2>/dev/null \
        || { xwd -silent -id "$GAME_WINDOW" | convert xwd:- "$1"; } \
        || e2e_fail "cannot take a screenshot"
}

e2e_brightness()
{
    convert "$1" -colorspace Gray -format '%[fx:mean]' info:
}

e2e_close_window()
{
    "$THRASK_CLOSE_WINDOW" "$GAME_WINDOW" || e2e_fail "cannot send the close message"
}

# Waits up to $1 seconds (default 20) for the game to end and puts its exit
# status into GAME_STATUS. Fails the test when it does not end. (Call it
# directly, not in $(...): only this shell can collect the game's status.)
e2e_wait_exit()
{
    local limit=$(( ${1:-20} * 10 )) tries=0
    while kill -0 "$GAME_PID" 2>/dev/null; do
        tries=$((tries + 1))
        [ $tries -gt $limit ] && e2e_fail "the game did not end within ${1:-20} s"
        sleep 0.1
    done
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
    GAME_PID=""
}
