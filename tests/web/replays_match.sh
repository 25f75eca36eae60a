#!/usr/bin/env bash
# Plays every golden replay with this machine's thrask-replay and with its
# wasm32 build under node, each with --expect on the null renderer, and
# fails unless both succeed and print exactly the same lines: every
# recording's frames and final state lines, and that it ends as recorded.
#
#   tests/web/replays_match.sh NATIVE_TOOL WASM_TOOL_JS DATA_DIR OUT_DIR REPLAY...
#
# OUT_DIR keeps both outputs (native.txt, wasm32.txt) for a look afterwards.
set -uo pipefail
if [ $# -lt 5 ]; then
    echo "usage: replays_match.sh NATIVE_TOOL WASM_TOOL_JS DATA_DIR OUT_DIR REPLAY..." >&2
    exit 2
fi
native="$1" wasm="$2" data="$3" out="$4"
shift 4
mkdir -p "$out" || exit 2
# Debian's node, whatever comes first on PATH, without the fetch that
# emscripten 3.1.6's output does not run beside.
export NODE_PATH=/usr/share/nodejs

status=0
"$native" --expect --renderer null --data "$data" "$@" > "$out/native.txt" 2> "$out/native.err" || {
    echo "the native thrask-replay failed (status $?):"; cat "$out/native.err" "$out/native.txt"; status=1; }
/usr/bin/node --no-experimental-fetch "$wasm" --expect --renderer null --data "$data" "$@" \
    > "$out/wasm32.txt" 2> "$out/wasm32.err" || {
    echo "thrask-replay under node failed (status $?):"; cat "$out/wasm32.err" "$out/wasm32.txt"; status=1; }
if ! diff -u "$out/native.txt" "$out/wasm32.txt"; then
    echo "the wasm32 build ends the recordings otherwise than this machine's (above)"
    status=1
fi
# Both printing nothing would also be "the same".
recordings=$(grep -c '^ends as recorded' "$out/wasm32.txt")
if [ "$recordings" -ne $# ]; then
    echo "only $recordings of $# recordings ended as recorded under node"
    status=1
fi
[ "$status" -eq 0 ] && echo "identical: $# recordings, $(wc -l < "$out/native.txt") lines ($out/)"
exit "$status"
