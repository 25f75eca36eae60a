#!/usr/bin/env bash
# Takes a screenshot of every screen of the real game under Xvfb, driven
# with xdotool as a player would: the title menu, the Options screen, the
# story, the load list with a few saved games, level intros and play on
# several levels, the in-game menu and its save prompt, the level banner, a
# hit, death, the name prompt and the best scores, and the ending.
# For looking at, not for testing: the shots are taken after short waits.
#
#   tools/screenshots/screenshots.sh BUILD_DIR OUT_DIR [WIDTH HEIGHT [game options...]]
#
# Needs Xvfb, xdotool, ImageMagick's import and Debian's python3-pil. The
# game runs in a copy of data/ with its own saved games; the ending is
# reached through a copy of level 15 without peppers, so the ending screen
# follows at once.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "$1" && pwd)"
mkdir -p "$2"
out="$(cd "$2" && pwd)"
width="${3:-640}"
height="${4:-480}"
shift $(( $# < 4 ? $# : 4 ))
options=("$@")
work="$(mktemp -d)"
# The games played for the pictures keep their best scores and recordings here.
export XDG_DATA_HOME="$work/home"
# The game keeps its settings in the scratch folder, not in the settings of
# whoever runs this.
export XDG_CONFIG_HOME="$work/config"
xvfb=""
game=""
cleanup()
{
    [ -n "$game" ] && kill "$game" 2>/dev/null && wait "$game" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
while [ ! -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(tr -dc '0-9' <"$work/display")"

# A saved game: level, health and score as the game stores them.
save()
{
    python3 - "$work/data/Save/$1.sav" "$2" "$3" "$4" <<'PY'
import struct, sys
record = struct.pack("<iiib", int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), 0)
open(sys.argv[1], "wb").write(record.replace(b"\n", b"\r\n"))
PY
}

start()
{
    (cd "$work/data" && exec "$build/thrask" -nodialogs -win -w "$width" -h "$height" \
        -nosound "${options[@]}" >"$work/game.out" 2>&1) &
    game=$!
    for _ in $(seq 100); do
        window="$(xdotool search --name '^Thrask$' 2>/dev/null | head -n1 || true)"
        [ -n "$window" ] && break
        sleep 0.1
    done
    # No window: the game did not start (a wrong build folder, a bad option);
    # shots of an empty screen would look like a result.
    if [ -z "$window" ]; then
        echo "screenshots: the game's window did not appear; the game said:" >&2
        cat "$work/game.out" >&2
        exit 1
    fi
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep 1
}

stop()
{
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    game=""
}

shot()
{
    import -window root "$out/$1.png"
    echo "$out/$1.png"
}

# The pointer to a point of the 200 x 200 view, y up.
point()
{
    local x y
    x=$(awk -v v="$1" -v w="$width" 'BEGIN { printf "%d", (v + 100) / 200 * w }')
    y=$(awk -v v="$2" -v h="$height" 'BEGIN { printf "%d", (100 - v) / 200 * h }')
    xdotool mousemove "$x" "$y"
}

click()
{
    point "$1" "$2"
    sleep 0.2
    xdotool click 1
}

# The play screen reads held keys once a frame, so a key is held a moment.
key()
{
    xdotool keydown "$1"
    sleep 0.12
    xdotool keyup "$1"
}

hold()
{
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

cp -r "$root/data" "$work/data"
rm -rf "$work/data/Save"
mkdir -p "$work/data/Save"
save "anna" 1 30 0
save "bob at the beach" 5 22 1450
save "factory" 8 18 3900
save "the castle" 15 9 8800
save "cabbage" 3 25 540

start
shot title
point 5 -15
sleep 0.3
shot title-hover
# The two signs hung from the top edge: Best Scores at the left, Options at
# the right.
point -78 85
sleep 0.3
shot title-best-scores-sign
# The Options sign and screen: a volume turned, a key being chosen and one refused.
point 78 85
sleep 0.3
shot title-options-sign
click 78 85
sleep 1.5
point 0 95
key Left
sleep 0.3
shot options
for _ in 1 2 3 4 5 6 7; do key Down; done
key Return
sleep 0.3
key Down
sleep 0.3
shot options-waiting
key Escape
sleep 0.3
key Escape
sleep 1.5
click 12 -55
sleep 1.5
shot story
key BackSpace
sleep 1.5
click 5 -35
sleep 1.5
shot load-list
key Down
sleep 0.3
shot load-list-down
key Up
sleep 0.3
click -50 -50
sleep 1.5
# Level 1 from New Game: the banner while the fade brings the level in.
click 5 -15
sleep 1.5
shot level1-intro
key Return
sleep 0.5
shot level1-play-start
hold Right 0.8
hold Up 0.5
sleep 0.3
shot level1-play
key Escape
sleep 1.5
shot in-game-menu
point -50 -25
sleep 0.3
shot in-game-menu-hover
click 55 -25
sleep 0.3
xdotool type "my game"
sleep 0.3
shot save-prompt
key Return
sleep 0.3
shot saved-notice
sleep 0.2
click 5 -35
sleep 1.5
shot load-list-six
stop

# Levels from saved games: the list shows them in the folder's order, so
# each is found by its name.
load_level()
{
    local name="$1"
    rm -rf "$work/data/Save"
    mkdir -p "$work/data/Save"
    save "$name" "$2" "$3" "$4"
    start
    click 5 -35
    sleep 1.5
    click 50 -50
}

load_level level5 5 30 1450
sleep 1.5
shot level5-intro
stop

load_level level8 8 24 3900
sleep 0.6
shot level8-banner
sleep 1.5
shot level8-play
stop

load_level level15 15 30 8800
sleep 2
shot level15-intro
key Return
sleep 0.7
shot level15-play
stop

# A hit: a player standing before level 5's pirate until a knife hits; the
# first shot in which the cook flashes is kept.
load_level hurt 5 30 1450
sleep 1.5
key Return
for i in $(seq 1 50); do
    sleep 0.08
    import -window root "$work/hit-$i.png"
done
stop
/usr/bin/python3 - "$work" "$out" <<'PY'
import glob, shutil, sys
from PIL import Image
work, out = sys.argv[1], sys.argv[2]
shots = sorted(glob.glob(work + "/hit-*.png"), key=lambda p: int(p.rsplit("-", 1)[1][:-4]))
for p in shots:
    pixels = Image.open(p).convert("RGB").getdata()
    # the cook's white in the hit's colour
    if sum(1 for r, g, b in pixels if r >= 248 and 55 <= g <= 85 and 45 <= b <= 75) > 20:
        shutil.copy(p, out + "/hit-flash.png")
        print(out + "/hit-flash.png")
        break
PY

# Death: a weak player stands before level 5's pirate until a knife hits.
load_level weak 5 3 1450
sleep 1.5
key Return
for i in $(seq 1 60); do
    sleep 0.1
    import -window root "$work/death-$i.png"
done
# With points, the death entered the best scores: the name prompt, then the list.
shot name-prompt
xdotool type "weak one"
key Return
sleep 1.5
shot best-scores
stop
# The death shots: the sequence is about 1.5 s; keep the middle of it.
python3 - "$work" "$out" <<'PY'
import glob, os, shutil, subprocess, sys
work, out = sys.argv[1], sys.argv[2]
shots = sorted(glob.glob(os.path.join(work, "death-*.png")), key=lambda p: int(p.rsplit("-", 1)[1][:-4]))
for i, p in enumerate(shots):
    shutil.copy(p, os.path.join(out, "death-%02d.png" % i))
PY

# The ending: level 15 without peppers is over the moment it starts.
printf '0\n0\n0\n0\n0\n0\n0\n75\ncastle.png\nnone\n' >"$work/data/Levels/l15.lvl"
load_level ending 15 30 9875
sleep 3.5
shot ending
stop

# The best scores from the title menu's sign, by keyboard: the game just
# ended is the best.
start
key Up
key Return
sleep 1.5
shot best-scores-from-title
stop
