#!/usr/bin/env bash
# Runs each fuzz target for a bounded time, as many at once as there are
# cores, and fails when one of them finds a
# crash, a leak, a timeout or a sanitizer report.
#   tools/run_fuzz.sh BUILD_FOLDER SECONDS TARGET...
# Each target's corpus grows in BUILD_FOLDER/corpus/TARGET, seeded by
# fuzz_seeds on the first run; the inputs under fuzz/regressions/TARGET are
# run first every time. A finding's input is kept in BUILD_FOLDER/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2

corpus=$build/corpus
if [[ ! -e $corpus/.seeded ]]; then
    "$build/fuzz_seeds" "$corpus"
    touch "$corpus/.seeded"
fi

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# One target: its line of figures, or the finding and a mark file that fails the run.
fuzz_one() {
    local target=$1
    local findings=$build/findings/$target
    local log=$build/findings/$target.log
    mkdir -p "$corpus/$target" "$findings"
    rm -f "$findings.failed"
    local inputs=("$corpus/$target")
    [[ -d fuzz/regressions/$target ]] && inputs+=("fuzz/regressions/$target")
    if "$build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" "${inputs[@]}" > "$log" 2>&1; then
        local runs
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$target: ${runs:-?} inputs in ${seconds} s, corpus of $(ls "$corpus/$target" | wc -l), no finding"
    else
        touch "$findings.failed"
        echo "fuzz_$target: FINDING (input kept in $findings/, whole log in $log):" >&2
        grep -E -m 5 -A 25 'ERROR:|FINDING:|runtime error|Timeout|terminate called' "$log" >&2 || tail -n 40 "$log" >&2
    fi
}

# As many targets at once as there are cores.
cores=$(nproc 2> /dev/null || echo 2)
for target in "$@"; do
    while [[ $(jobs -rp | wc -l) -ge $cores ]]; do wait -n || true; done
    fuzz_one "$target" &
done
wait

failed=()
for target in "$@"; do
    [[ -e $build/findings/$target.failed ]] && failed+=("$target")
done
if [[ ${#failed[@]} -gt 0 ]]; then
    echo "Fuzzing found faults in: ${failed[*]}" >&2
    exit 1
fi
