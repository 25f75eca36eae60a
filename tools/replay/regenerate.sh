#!/usr/bin/env bash
# Records the golden replays of the tests again (tests/replays/*.replay) and
# checks that each one plays back as recorded. Run it after a deliberate
# change of a rule, a level, an intro text or a picture; commit the new
# recordings with that change.
#
#   tools/replay/regenerate.sh            # every golden replay
#   tools/replay/regenerate.sh whole-game # only this one
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$root/build-regenerate"
jobs="${THRASK_JOBS:-2}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTHRASK_TESTS=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target thrask-replay >/dev/null
tool="$build/tools/replay/thrask-replay"

if [ $# -gt 0 ]; then
    for name in "$@"; do
        "$tool" --record-goldens "$root/tests/replays" --data "$root/data" --only "$name"
    done
else
    "$tool" --record-goldens "$root/tests/replays" --data "$root/data"
fi
"$tool" --expect --data "$root/data" "$root"/tests/replays/*.replay | grep -E '^(/|FAIL|ends as|departs)'
