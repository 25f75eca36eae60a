#!/usr/bin/env bash
# Measures how many inputs a second fuzz targets run, side by side:
#
#   tools/fuzz/rate.sh TARGET SECONDS CORPUS [--rounds N] [PROGRAM...]
#
# Each PROGRAM (a fuzz_TARGET of a clang fuzz build, this one's or another
# commit's; build-fuzz/'s when none is named) fuzzes a fresh copy of CORPUS for SECONDS with the same seed, in
# turn, N rounds (2 unless told), so a change and its base meet the same
# inputs and the same machine. The rate counts from the moment the corpus is
# loaded (libFuzzer's INITED line) to its last status line: the reading of the
# corpus, which depends on its size, is left out. Prints one line per run and,
# last, one per program: "PROGRAM: median R inputs a second over N rounds".
# Run it on a quiet machine; nothing is written outside a scratch folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
if [ $# -lt 3 ]; then
    sed -n '2,/^set /p' "${BASH_SOURCE[0]}" | sed '$d' | sed 's/^# \{0,1\}//'
    exit 2
fi
target="$1"
seconds="$2"
if [ ! -d "$3" ]; then
    echo "rate.sh: $3 is not a folder of inputs" >&2
    exit 2
fi
corpus="$(realpath "$3")"
shift 3
rounds=2
if [ "${1:-}" = "--rounds" ]; then
    rounds="$2"
    shift 2
fi
case "$seconds$rounds" in
*[!0-9]*) echo "rate.sh: SECONDS and N must be whole numbers" >&2; exit 2 ;;
esac
[ $# -gt 0 ] || set -- "$root/build-fuzz/tests/fuzz/fuzz_$target"
programs=()
for program in "$@"; do
    if [ ! -x "$program" ]; then
        echo "rate.sh: $program is not a program (build the fuzz targets first)" >&2
        exit 2
    fi
    # Made absolute: the level loader target works in a folder of its own.
    programs+=("$(realpath "$program")")
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The rate of one run from its log: runs and seconds between INITED and the
# last status line, from the counts and the rates libFuzzer prints.
rate_of() {
    python3 - "$1" <<'EOF'
import re, sys
points = []
for line in open(sys.argv[1], errors="replace"):
    m = re.match(r"#(\d+)\s+(\w+).*exec/s: (\d+)", line)
    if m and int(m.group(3)) > 0:
        points.append((int(m.group(1)), m.group(2), int(m.group(1)) / int(m.group(3))))
start = next((p for p in points if p[1] == "INITED"), None)
if start is None or points[-1][2] <= start[2]:
    sys.exit("no status lines after the corpus was loaded: run longer")
runs, took = points[-1][0] - start[0], points[-1][2] - start[2]
print("%d %.1f %.0f" % (runs, took, runs / took))
EOF
}

declare -A rates
for round in $(seq 1 "$rounds"); do
    for program in "${programs[@]}"; do
        rm -rf "$scratch/corpus"
        cp -r "$corpus" "$scratch/corpus"
        "$program" -seed=1 -max_total_time="$seconds" "$scratch/corpus" >"$scratch/log" 2>&1 || {
            echo "rate.sh: $program failed; its log:" >&2
            tail -20 "$scratch/log" >&2
            exit 1
        }
        read -r runs took rate < <(rate_of "$scratch/log")
        echo "round $round $program: $runs inputs in $took s, $rate a second"
        rates[$program]+="$rate "
    done
done
for program in "${programs[@]}"; do
    median="$(echo "${rates[$program]}" | tr ' ' '\n' | sed '/^$/d' | sort -n |
        awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}')"
    echo "$program: median $median inputs a second over $rounds rounds"
done
