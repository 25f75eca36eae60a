# Helpers for driving the game through its screens, on top of harness.sh.
# Source harness.sh first, then this file. What a flow did is proven by its
# recording (start the game with -record and check it with $THRASK_REPLAY),
# not by how the screenshots look; the pictures only tell when to go on.
#
#   flow_click x y [button]     # e2e_click after letting the pointer rest there
#   flow_shot name              # screenshot into $E2E_WORK/name.png, echoes the path
#   flow_settle [fade units]    # waits until a fade is over and the picture settles
#   flow_press key              # holds a key for a few frames, then releases it
#   flow_hold key seconds       # holds a key for that long
#   flow_differ a.png b.png     # fraction 0..1 of pixels that differ clearly
#   flow_bytes file             # the file's bytes as hex pairs on one line
#   flow_write_save name hexbytes        # a saved game written by hand
#   flow_quit_from_menu         # clicks Quit Game and checks the exit status 0
#
# Positions are view units of the menus' 200 x 200 view (y up).

# Menu entries (centres).
NEW_GAME_X=5; NEW_GAME_Y=-15
LOAD_GAME_X=5; LOAD_GAME_Y=-35
GAME_STORY_X=12; GAME_STORY_Y=-55
QUIT_GAME_X=5; QUIT_GAME_Y=-75
RETURN_GAME_X=-50; RETURN_GAME_Y=-25
SAVE_GAME_X=55; SAVE_GAME_Y=-25
# Buttons of the load list (centres).
LIST_LOAD_X=50; LIST_LOAD_Y=-50
LIST_RETURN_X=-50; LIST_RETURN_Y=-50

# A click where the game has surely seen the pointer arrive: the menus pick
# the entry under the pointer once per frame, and the release acts on that
# pick, so the pointer rests for a few frames first (also when frames are slow).
flow_click()
{
    e2e_move "$1" "$2"
    sleep 0.2
    e2e_click "$@"
}

flow_shot()
{
    local path="$E2E_WORK/$1.png"
    e2e_screenshot "$path"
    echo "$path"
}

# Fraction of pixels whose colour differs by more than 6 %.
flow_differ()
{
    local count total
    count=$(compare -metric AE -fuzz 6% "$1" "$2" null: 2>&1 >/dev/null | sed 's/ .*//')
    total=$(identify -format '%[fx:w*h]' "$1")
    awk -v c="$count" -v t="$total" 'BEGIN { printf "%.4f", c / t }'
}

# True when a number (e.g. from flow_differ) is above a limit.
flow_above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# Waits for a screen change: first the wall time a fade of $1 fade units
# (default 15) takes at least (16 units per second of game time, and game time
# runs at 0.85 of the wall clock, whatever the frame rate), then until two
# screenshots in a row each differ from the one before in less than 10 % of
# the pixels. A fade changes the whole picture from frame to frame; once it is
# over only sprites that walk about still move. Gives up after 15 s.
flow_settle()
{
    local units=${1:-15} started=$SECONDS calm=0 previous="$E2E_WORK/.settle-a.png" current="$E2E_WORK/.settle-b.png"
    sleep "$(awk -v u="$units" 'BEGIN { printf "%.2f", u / 16 / 0.85 }')"
    e2e_screenshot "$previous"
    while [ $calm -lt 2 ]; do
        [ $((SECONDS - started)) -gt 15 ] && e2e_fail "the picture did not settle within 15 s"
        kill -0 "$GAME_PID" 2>/dev/null || e2e_fail "the game ended unexpectedly"
        sleep 0.1
        e2e_screenshot "$current"
        if flow_above "$(flow_differ "$previous" "$current")" 0.10; then
            calm=0
        else
            calm=$((calm + 1))
        fi
        mv "$current" "$previous"
    done
}

# Keys read by the play screen are seen only while held at the start of a
# frame, so a press is a hold long enough for a slow frame (a sanitizer build
# under load).
flow_press() { xdotool keydown "$1"; sleep 0.3; xdotool keyup "$1"; sleep 0.1; }
flow_hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.1; }

flow_bytes() { od -An -v -tx1 "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

# Writes "$E2E_WORK/data/Save/<name>.sav" from hex pairs ("03 00 00 00 ...").
flow_write_save()
{
    mkdir -p "$E2E_WORK/data/Save"
    local hex
    hex=$(echo "$2" | tr -d ' ')
    printf '%s' "$hex" | xxd -r -p >"$E2E_WORK/data/Save/$1.sav"
}

flow_expect_bytes()
{
    [ -f "$1" ] || e2e_fail "$1 was not written"
    local got
    got=$(flow_bytes "$1")
    [ "$got" = "$2" ] || e2e_fail "$(basename "$1") holds [$got], expected [$2]"
}

flow_quit_from_menu()
{
    flow_click $QUIT_GAME_X $QUIT_GAME_Y
    e2e_wait_exit 10
    [ "$GAME_STATUS" = 0 ] || e2e_fail "Quit Game: exit status $GAME_STATUS"
}

# Takes the enemies out of level $1 in the game's copy of its data (the first
# five lines of a level file count pirates, ninjas, robots, zombies and
# cabbages), keeping its peppers, pickups, background and intro text: a test
# that waits for the screen to settle cannot dodge. With a second argument, a
# pepper is worth that many points (line 8) instead. Call it from
# e2e_prepare_data, so the game and its recording see the changed level.
flow_calm_level()
{
    local file="$E2E_WORK/data/Levels/l$1.lvl"
    [ -f "$file" ] || e2e_fail "no level file $file"
    awk -v points="${2-}" 'NR <= 5 { print 0; next }
        NR == 8 && points != "" { print points; next }
        { print }' "$file" >"$file.calm" && mv "$file.calm" "$file"
}
