#!/usr/bin/env bash
# Renders what the game plays, for ears that have no sound device: golden
# replays watched in the real game under a virtual display, each mixed into a
# file by SDL's disk driver at the pace of a real device, joined into one WAV
# and measured (sox stats, then levels.py: clipping, the limiter, loudness).
#
#   tools/listen/listen.sh BUILD_DIR OUT.wav [REPLAY_NAME...]
#
# BUILD_DIR holds the built game (thrask); the replays are named as in
# tests/replays (default: a minute of menus and play). Needs Xvfb and sox.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
[ $# -ge 2 ] || { echo "usage: $0 BUILD_DIR OUT.wav [REPLAY_NAME...]" >&2; exit 2; }
game="$(cd "$1" && pwd)/thrask"
out="$2"
shift 2
[ $# -gt 0 ] || set -- menu-flow level1-cleared death-by-zombies knife-hit robot-fire health-pickup save-load

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
while [ ! -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(tr -dc '0-9' <"$work/display")" SDL_AUDIODRIVER=disk

parts=()
for name in "$@"; do
    SDL_DISKAUDIOFILE="$work/$name.raw" "$game" -nodialogs -win -data "$root/data" \
        -replay "$root/tests/replays/$name.replay" >"$work/$name.out" 2>&1 &
    pid=$!
    # The game says how the replay ended and goes on in the title menu.
    until grep -q "replay" "$work/$name.out" 2>/dev/null; do
        kill -0 $pid 2>/dev/null || { cat "$work/$name.out"; exit 1; }
        sleep 0.1
    done
    sleep 0.5 # the last sounds ring out
    kill -TERM $pid 2>/dev/null || true # some replays end by quitting
    wait $pid || true
    echo "$name: $(head -n 1 "$work/$name.out")"
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/$name.raw" "$work/$name.wav"
    parts+=("$work/$name.wav")
done
sox "${parts[@]}" "$out"
sox "$out" -n stats
python3 "$root/tools/listen/levels.py" "$out"
