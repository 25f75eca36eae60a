#!/usr/bin/env bash
# The kill test: a saver writes saved games as fast as it can and is killed
# with SIGKILL at a random moment, again and again; after every kill the
# folder is checked (no save lost, none damaged), on every other kill by
# building the load list (which must remove what the kill left) and on the
# others by the next save (the saver's first). At the end the load list is
# built once more and no pending file may be left.
#
#   tools/soak/kill-during-save.sh [KILLS] [BUILD_DIR]
#
# KILLS defaults to 600, BUILD_DIR to build/. Exits with status 1 when any
# check failed; the last line gives the totals.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
kills="${1:-600}"
build="${2:-$root/build}"
saver="$build/tools/soak/thrask-save-kill"
[ -x "$saver" ] || { echo "no $saver: build the game first (cmake --build $build)" >&2; exit 2; }

folder="$(mktemp -d "${TMPDIR:-/tmp}/thrask-kill-XXXXXX")"
trap 'rm -rf "$folder"' EXIT
failed=0
left_by_kills=0
for ((kill = 1; kill <= kills; kill++)); do
    "$saver" --saver "$folder" &
    pid=$!
    # Between 1 and 40 ms: the saver is killed at every point of a save.
    sleep "0.0$(printf '%02d' $((RANDOM % 40 + 1)))"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if compgen -G "$folder/*.sav.tmp" >/dev/null; then
        left_by_kills=$((left_by_kills + 1))
    fi
    if ((kill % 2)); then
        line="$("$saver" --check "$folder")" || { failed=$((failed + 1)); echo "kill $kill: $line"; }
    else
        line="$("$saver" --check "$folder" --keep-strays)" || { failed=$((failed + 1)); echo "kill $kill: $line"; }
    fi
done
final="$("$saver" --check "$folder")" || failed=$((failed + 1))
strays=$(find "$folder" -name '*.sav.tmp' | wc -l)
saves=$(cat "$folder/journal.txt" 2>/dev/null | wc -l)
echo "kills $kills: $saves saves confirmed, $left_by_kills kills left a pending file, $failed failed checks; last check: $final; pending files left: $strays"
[ "$failed" -eq 0 ] && [ "$strays" -eq 0 ]
