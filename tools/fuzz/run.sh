#!/usr/bin/env bash
# Runs one fuzz target of the clang fuzz build for a while:
#
#   tools/fuzz/run.sh TARGET SECONDS [--build DIR] [-- LIBFUZZER-OPTIONS...]
#
# TARGET is one of tests/fuzz/CMakeLists.txt's list (level_file, intro_text,
# save_record, save_folder, command_line, display_mode, save_prompt,
# level_loader, replay). The build (build-fuzz/ unless --build names
# another) is configured and built with clang when it is missing. New inputs
# go to a working corpus in the build (DIR/fuzz-work/TARGET/corpus), the
# committed seeds in tests/fuzz/corpus/TARGET are read but never changed, and
# a crash is written to DIR/fuzz-work/TARGET/artifacts/ with the failed run's
# log beside it. One line per run is
# added to DIR/fuzz-work/runs.log: target, runs, seconds, exit status.
# Exits with libFuzzer's status: 0 when nothing crashed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
if [ $# -lt 2 ]; then
    sed -n '2,/^set /p' "${BASH_SOURCE[0]}" | sed '$d' | sed 's/^# \{0,1\}//'
    exit 2
fi
target="$1"
seconds="$2"
shift 2
build="$root/build-fuzz"
if [ "${1:-}" = "--build" ]; then
    # Made absolute: the level loader target works in a folder of its own,
    # and libFuzzer writes new inputs to the corpus path as given.
    build="$(realpath -m "$2")"
    shift 2
fi
[ "${1:-}" = "--" ] && shift

program="$build/tests/fuzz/fuzz_$target"
if [ ! -x "$program" ]; then
    if [ ! -f "$build/CMakeCache.txt" ]; then
        CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DTHRASK_FUZZ=ON -DTHRASK_TESTS=OFF >/dev/null
    fi
    cmake --build "$build" --target "fuzz_$target" -j"${THRASK_JOBS:-2}" >/dev/null
fi

work="$build/fuzz-work/$target"
mkdir -p "$work/corpus" "$work/artifacts"
log="$work/last-run.log"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

status=0
# Each input may take at most 30 s (a hang is a finding too); the readers'
# own lines on standard error (a refused picture) are left out of the log.
"$program" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=3072 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$@" "$work/corpus" "$root/tests/fuzz/corpus/$target" \
    >"$log" 2>&1 || status=$?
runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
took="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)"
echo "$target runs=${runs:-0} seconds=${took:-$seconds} status=$status" | tee -a "$build/fuzz-work/runs.log"
if [ "$status" -ne 0 ]; then
    # The next run overwrites last-run.log; the log of a failed one is kept
    # beside its artifact, with the run's seed and the unit's timing in it.
    kept="$work/artifacts/run-$(date -u +%Y%m%dT%H%M%SZ).log"
    cp "$log" "$kept"
    grep -E "ERROR|SUMMARY|contract broken|Test unit written|deadly signal|timeout" "$log" | head -20 >&2 || true
    echo "fuzz: $target failed; the whole log is $kept" >&2
fi
exit "$status"
