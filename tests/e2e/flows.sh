# Helpers for the whole-game flows, on top of harness.sh. Source harness.sh
# first, then this file.
#
#   flow_click x y [button]     # e2e_click after letting the pointer rest there
#   flow_shot name              # screenshot into $E2E_WORK/name.png, echoes the path
#   flow_settle [fade units]    # waits until a fade is over and the picture settles
#   flow_ncc shot ref [x0 y0 x1 y1]  # correlation of a screenshot with a picture
#   flow_ncc_masked a b x0 y0 x1 y1  # flow_ncc with a rectangle blacked out
#   flow_expect_like / flow_expect_unlike what limit shot ref [rect]
#   flow_expect_above what value limit
#   flow_bar_right shot         # right end of the health bar in view units
#   flow_press key              # holds a key for a few frames, then releases it
#   flow_hold key seconds       # holds a key for that long
#   flow_differ a.png b.png     # fraction 0..1 of pixels that differ clearly
#   flow_mean img x0 y0 x1 y1   # mean brightness of a view-unit rectangle
#   flow_region_differ a b x0 y0 x1 y1   # flow_differ on a view-unit rectangle
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
# Inside the story picture's lower-left back corner: the story view is
# 100 x 100, the corner x < -32 and y < -35 of it, that is below -64 and -70
# in the 200 x 200 units e2e_click takes.
STORY_BACK_X=-80; STORY_BACK_Y=-85

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

# The pixel geometry (WxH+X+Y) of a view-unit rectangle in a w x h picture.
flow_geometry()
{
    awk -v w="$1" -v h="$2" -v x0="$3" -v y0="$4" -v x1="$5" -v y1="$6" 'BEGIN {
        px0 = int((x0 + 100) / 200 * w); px1 = int((x1 + 100) / 200 * w)
        py0 = int((100 - y1) / 200 * h); py1 = int((100 - y0) / 200 * h)
        printf "%dx%d+%d+%d", px1 - px0, py1 - py0, px0, py0 }'
}

flow_crop()
{
    local size geometry
    size=$(identify -format '%w %h' "$1")
    geometry=$(flow_geometry ${size} "$3" "$4" "$5" "$6")
    convert "$1" -crop "$geometry" +repage "$2"
}

flow_mean()
{
    local crop="$E2E_WORK/.crop.png"
    flow_crop "$1" "$crop" "$2" "$3" "$4" "$5"
    e2e_brightness "$crop"
}

flow_region_differ()
{
    flow_crop "$1" "$E2E_WORK/.crop1.png" "$3" "$4" "$5" "$6"
    flow_crop "$2" "$E2E_WORK/.crop2.png" "$3" "$4" "$5" "$6"
    flow_differ "$E2E_WORK/.crop1.png" "$E2E_WORK/.crop2.png"
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

# Normalised cross-correlation (-1..1; brightness and contrast do not count)
# of a screenshot with a reference: a picture file that fills the whole view,
# or another screenshot. The reference is scaled to the window; with a
# view-unit rectangle (x0 y0 x1 y1) only that part of both is compared.
flow_ncc()
{
    local shot="$1" reference="$2" scaled="$E2E_WORK/.ncc-ref.png" size
    size=$(identify -format '%wx%h' "$shot")
    convert "$reference" -background black -flatten -resize "${size}!" "$scaled"
    if [ $# -ge 6 ]; then
        flow_crop "$shot" "$E2E_WORK/.ncc-a.png" "$3" "$4" "$5" "$6"
        flow_crop "$scaled" "$E2E_WORK/.ncc-b.png" "$3" "$4" "$5" "$6"
        flow_correlation "$E2E_WORK/.ncc-a.png" "$E2E_WORK/.ncc-b.png"
    else
        flow_correlation "$shot" "$scaled"
    fi
}

# The same for a picture file drawn into the rectangle x0 y0 x1 y1 only.
flow_ncc_fit()
{
    local crop="$E2E_WORK/.ncc-a.png" scaled="$E2E_WORK/.ncc-b.png" size
    flow_crop "$1" "$crop" "$3" "$4" "$5" "$6"
    size=$(identify -format '%wx%h' "$crop")
    convert "$2" -background black -flatten -resize "${size}!" "$scaled"
    flow_correlation "$crop" "$scaled"
}

# flow_ncc of two screenshots with a view-unit rectangle (x0 y0 x1 y1) blacked
# out in both: for pictures whose lit parts a fade left at different light
# levels, with the unlit player inside the rectangle.
flow_ncc_masked()
{
    local size rectangle
    size=$(identify -format '%w %h' "$1")
    rectangle=$(awk -v w="${size% *}" -v h="${size#* }" -v x0="$3" -v y0="$4" -v x1="$5" -v y1="$6" 'BEGIN {
        printf "rectangle %d,%d %d,%d", (x0 + 100) / 200 * w, (100 - y1) / 200 * h, (x1 + 100) / 200 * w, (100 - y0) / 200 * h }')
    convert "$1" -fill black -draw "$rectangle" "$E2E_WORK/.mask-a.png"
    convert "$2" -fill black -draw "$rectangle" "$E2E_WORK/.mask-b.png"
    flow_correlation "$E2E_WORK/.mask-a.png" "$E2E_WORK/.mask-b.png"
}

flow_correlation() { compare -metric NCC "$1" "$2" null: 2>&1 >/dev/null | sed 's/ .*//'; }

# The picture is (or is not) the one expected: correlation above (below) a
# limit. Arguments as flow_ncc after the limit and a description.
flow_expect_like()
{
    local what="$1" limit="$2" value
    shift 2
    value=$(flow_ncc "$@")
    flow_above "$value" "$limit" || e2e_fail "$what (correlation $value, expected above $limit; $1)"
}

# A value (a correlation, a fraction) above a limit, or the test fails.
flow_expect_above()
{
    flow_above "$2" "$3" || e2e_fail "$1 ($2, expected above $3)"
}

flow_expect_unlike()
{
    local what="$1" limit="$2" value
    shift 2
    value=$(flow_ncc "$@")
    flow_above "$value" "$limit" && e2e_fail "$what (correlation $value, expected at most $limit; $1)"
    return 0
}

# The right end of the health bar, in view units: the rightmost column of the
# window's top-left corner (x -100..-70, y 94..100) holding a pixel of the
# bar's dark outline, dark against the background just below the bar (a fade
# may leave the whole picture dimmer). Prints "none" when there is no bar.
flow_bar_right()
{
    # The distribution's Python, which has PIL (python3-pil).
    /usr/bin/python3 - "$1" <<'PYTHON'
import sys
from PIL import Image
image = Image.open(sys.argv[1]).convert("RGB")
width, height = image.size
def column(vx): return int((vx + 100) / 200 * width)
def row(vy): return int((100 - vy) / 200 * height)
below = sorted(max(image.getpixel((x, y)))
               for x in range(column(-100), column(-70)) for y in range(row(93), row(88)))
dark = 0.35 * below[len(below) // 2]
right = None
for x in range(column(-100), column(-70)):
    for y in range(row(100), row(94)):
        if max(image.getpixel((x, y))) < dark:
            right = x
            break
print("none" if right is None else "%.1f" % ((right + 1) / width * 200 - 100))
PYTHON
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

# Starts the game in a fresh copy of its data with no saved games (the copy is
# made by e2e_start_game, so a test puts its own files in after the start; the
# load list reads the directory only when it opens).
flow_start()
{
    e2e_start_game "$@"
    rm -f "$E2E_WORK/data/Save/"*.sav
}

TITLE_PICTURE="$THRASK_DATA_DIR/Textures/title.png"
STORY_PICTURE="$THRASK_DATA_DIR/Textures/story.gif"
WIN_PICTURE="$THRASK_DATA_DIR/Textures/win.png"

# Which screen a screenshot shows. The menus lie over the title picture; the
# in-game menu's Return Game and Save Game entries cover places that the
# main menu leaves bare.
flow_expect_main_menu()
{
    flow_expect_like "$2: not the title menu" 0.9 "$1" "$TITLE_PICTURE"
    flow_expect_like "$2: an entry where the main menu has none" 0.97 "$1" "$TITLE_PICTURE" -75 -37.5 -25 -12.5
    flow_expect_like "$2: an entry where the main menu has none" 0.97 "$1" "$TITLE_PICTURE" 30 -37.5 80 -12.5
}

flow_expect_ingame_menu()
{
    flow_expect_like "$2: not the title menu" 0.9 "$1" "$TITLE_PICTURE"
    flow_expect_unlike "$2: no Return Game entry" 0.9 "$1" "$TITLE_PICTURE" -75 -37.5 -25 -12.5
    flow_expect_unlike "$2: no Save Game entry" 0.9 "$1" "$TITLE_PICTURE" 30 -37.5 80 -12.5
}

flow_expect_no_menu()
{
    flow_expect_unlike "$2: still the title menu" 0.5 "$1" "$TITLE_PICTURE"
}

flow_expect_story()
{
    flow_expect_like "$2: not the story picture" 0.9 "$1" "$STORY_PICTURE"
}

# Takes the enemies out of level $1 in the game's copy of its data (the first
# five lines of a level file count pirates, ninjas, robots, zombies and
# cabbages), keeping its peppers, pickups, background and intro text. A test
# that looks at the screen for a while in play cannot dodge, and level 1's
# zombies catch a player who stands still within seconds. With a second
# argument, a pepper is worth that many points (line 8) instead.
flow_calm_level()
{
    local file="$E2E_WORK/data/Levels/l$1.lvl"
    [ -f "$file" ] || e2e_fail "no level file $file"
    awk -v points="${2-}" 'NR <= 5 { print 0; next }
        NR == 8 && points != "" { print points; next }
        { print }' "$file" >"$file.calm" && mv "$file.calm" "$file"
}
