#!/usr/bin/env bash
# The kill test: a saver writes saved games as fast as it can and is killed
# with SIGKILL at a random moment, again and again; after every kill the
# folder is checked (no save lost, none damaged), on every other kill by
# building the load list (which must remove what the kill left) and on the
# others by the next save (the saver's first). Each kill comes 1 to 40 ms
# after the saver confirmed its first save. At the end the load list is
# built once more and no pending file may be left.
#
#   tools/soak/kill-during-save.sh [KILLS] [BUILD_DIR] [settings]
#
# KILLS defaults to 600, BUILD_DIR to build/. With "settings" the saver
# replaces the settings file instead, and each kill is followed by a check
# that the file is whole and holds the newest confirmed settings (or the
# ones after). Exits with status 1 when any check failed; the last line
# gives the totals.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
kills="${1:-600}"
build="${2:-$root/build}"
saver="$build/tools/soak/thrask-save-kill"
what="${3:-saves}"
[ -x "$saver" ] || { echo "no $saver: build the game first (cmake --build $build)" >&2; exit 2; }

folder="$(mktemp -d "${TMPDIR:-/tmp}/thrask-kill-XXXXXX")"
trap 'rm -rf "$folder"' EXIT
journal="$folder/journal.txt"
journal_lines() {
    if [ -f "$journal" ]; then wc -l <"$journal"; else echo 0; fi
}
failed=0
left_by_kills=0
for ((kill = 1; kill <= kills; kill++)); do
    before=$(journal_lines)
    if [ "$what" = settings ]; then "$saver" --settings-saver "$folder" & else "$saver" --saver "$folder" & fi
    pid=$!
    # The kill clock starts once this saver has confirmed a save, however
    # long the program takes to start (seconds under the sanitizers on a
    # busy machine): a kill before its first save would test nothing.
    deadline=$((SECONDS + 30))
    while [ "$(journal_lines)" -le "$before" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            status=0
            wait "$pid" || status=$?
            echo "kill $kill: the saver ended with status $status before its first save"
            exit 1
        fi
        if ((SECONDS >= deadline)); then
            kill -9 "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            echo "kill $kill: the saver confirmed no save within 30 s"
            exit 1
        fi
        sleep 0.002
    done
    # Then between 1 and 40 ms more: the saver is killed at every point of a save.
    sleep "0.0$(printf '%02d' $((RANDOM % 40 + 1)))"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ "$what" = settings ]; then
        line="$("$saver" --settings-check "$folder")" || { failed=$((failed + 1)); echo "kill $kill: $line"; }
        continue
    fi
    if compgen -G "$folder/*.sav.tmp" >/dev/null; then
        left_by_kills=$((left_by_kills + 1))
    fi
    if ((kill % 2)); then
        line="$("$saver" --check "$folder")" || { failed=$((failed + 1)); echo "kill $kill: $line"; }
    else
        line="$("$saver" --check "$folder" --keep-strays)" || { failed=$((failed + 1)); echo "kill $kill: $line"; }
    fi
done
if [ "$what" = settings ]; then
    saves=$(journal_lines)
    echo "kills $kills: $saves settings saves confirmed, $failed failed checks"
    [ "$saves" -ge "$kills" ] || { echo "only $saves saves confirmed in $kills kills"; exit 1; }
    [ "$failed" -eq 0 ]
    exit
fi
final="$("$saver" --check "$folder")" || failed=$((failed + 1))
strays=$(find "$folder" -name '*.sav.tmp' | wc -l)
saves=$(journal_lines)
echo "kills $kills: $saves saves confirmed, $left_by_kills kills left a pending file, $failed failed checks; last check: $final; pending files left: $strays"
# Every kill waited for a save, so fewer confirmed saves than kills means the
# journal or the saver went wrong.
if [ "$saves" -lt "$kills" ]; then
    echo "only $saves saves confirmed in $kills kills"
    exit 1
fi
[ "$failed" -eq 0 ] && [ "$strays" -eq 0 ]
