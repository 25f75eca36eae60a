#!/usr/bin/env bash
# Runs Thrask and Chromium B.S.U. (a shooter of the same kind: SDL2 and
# OpenGL 1.x, packaged by Debian) side by side under one X virtual frame
# buffer and prints, for both in the same run: the time from start to the
# first frame that is not all black, the CPU share each takes while sitting
# in its menu (all its threads, Mesa's drawing threads included), and its
# resident memory.
#
#   tools/bench/compare.sh [path/to/thrask] [-- game options...]
#
# Thrask runs from the source tree's data/ in a 640x480 window with -novsync
# (the frame rate is then the game's own pacing), Chromium B.S.U. as
# "chromium-bsu -w -na -v 1" (640x480, windowed, no audio). Options after --
# go to Thrask as well (for example -- -fps 0 for no pacing at all). Without
# a path it uses build/thrask and builds it (Release) when it is missing.
# Chromium B.S.U. is a benchmark-only dependency: the script installs the
# Debian package when it is missing (through sudo when not root); the game
# itself never needs it.
#
# Environment: COMPARE_SECONDS (CPU measuring time, 5), COMPARE_SETTLE
# (seconds both run before measuring, 3).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${COMPARE_SECONDS:-5}"
settle="${COMPARE_SETTLE:-3}"

game="$root/build/thrask"
if [[ $# -gt 0 && "$1" != "--" ]]; then
    game="$1"
    shift
fi
[[ "${1:-}" == "--" ]] && shift
extra=("$@")

as_root() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v import >/dev/null || need+=(imagemagick)
[[ -x /usr/games/chromium-bsu ]] || command -v chromium-bsu >/dev/null || need+=(chromium-bsu)
if [[ ${#need[@]} -gt 0 ]]; then
    echo "compare: installing ${need[*]}" >&2
    as_root apt-get install -y "${need[@]}" >&2
fi
bsu="$(command -v chromium-bsu || echo /usr/games/chromium-bsu)"

if [[ ! -x "$game" ]]; then
    echo "compare: building $game" >&2
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DTHRASK_TESTS=OFF >&2
    cmake --build "$root/build" -j"${THRASK_JOBS:-2}" --target thrask >&2
fi

work="$(mktemp -d)"
# The game keeps its best scores and recordings here, not in the account's folder.
export XDG_DATA_HOME="$work/home"
# The game keeps its settings in the scratch folder, not in the settings of
# whoever runs this.
export XDG_CONFIG_HOME="$work/config"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display nobody uses.
display=""
for n in $(seq 150 199); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=":$n"; break; fi
done
[[ -n "$display" ]] || { echo "compare: no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

now() { date +%s.%N; }

# Seconds from `start` until a window of `pid` shows a pixel that is not black.
first_frame() {
    local pid=$1 start=$2 window peak
    while kill -0 "$pid" 2>/dev/null; do
        for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            peak=$(import -window "$window" -colorspace gray -format '%[max]' info: 2>/dev/null || echo 0)
            if [[ "${peak%.*}" -gt 0 ]]; then
                echo "$(now) - $start" | bc -l
                return 0
            fi
        done
    done
    echo "compare: process $pid ended before it showed a frame" >&2
    return 1
}

# Clock ticks of CPU time (all threads) the process has used.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss_mb() { awk '/^VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

start=$(now)
"$game" -nodialogs -win -w 640 -h 480 -novsync -data "$root/data" -saves "$work/saves" "${extra[@]}" \
    >"$work/thrask.log" 2>&1 &
thrask=$!
pids+=($thrask)
thrask_first=$(first_frame "$thrask" "$start")

mkdir -p "$work/home"
start=$(now)
HOME="$work/home" "$bsu" -w -na -v 1 >"$work/bsu.log" 2>&1 &
bsu_pid=$!
pids+=($bsu_pid)
bsu_first=$(first_frame "$bsu_pid" "$start")

sleep "$settle"
hz=$(getconf CLK_TCK)
t0=$(now); a0=$(cpu_ticks "$thrask"); b0=$(cpu_ticks "$bsu_pid")
sleep "$seconds"
t1=$(now); a1=$(cpu_ticks "$thrask"); b1=$(cpu_ticks "$bsu_pid")
thrask_cpu=$(echo "($a1 - $a0) / $hz / ($t1 - $t0) * 100" | bc -l)
bsu_cpu=$(echo "($b1 - $b0) / $hz / ($t1 - $t0) * 100" | bc -l)

echo "Both in their menus under one Xvfb ($display, 1920x1080x24), CPU over the same ${seconds} s;"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
printf "%-44s %12s %22s %10s\n" "program" "CPU % (menu)" "first non-black frame" "RSS"
printf "%-44s %11.1f%% %20.2f s %7s MB\n" "thrask -win -w 640 -h 480 -novsync ${extra[*]}" "$thrask_cpu" \
    "$thrask_first" "$(rss_mb "$thrask")"
printf "%-44s %11.1f%% %20.2f s %7s MB\n" "chromium-bsu -w -na -v 1" "$bsu_cpu" "$bsu_first" "$(rss_mb "$bsu_pid")"
printf "thrask's CPU is %.2f of chromium-bsu's\n" "$(echo "$thrask_cpu / $bsu_cpu" | bc -l)"
