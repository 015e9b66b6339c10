#!/usr/bin/env bash
# Runs every libFuzzer program of a fuzz build (make fuzz) for a set time,
# one after the other: one fuzzing process at a time, as the build machines'
# cores are shared.
#
#   fuzz/run-fuzzers.sh BUILD_DIR [SECONDS_EACH] [TARGET...]
#
# Each program starts from its seed corpus in fuzz/corpus/<target> (read
# only) and keeps what it finds new in BUILD_DIR/fuzz/work/<target>. The
# inputs in fuzz/findings are not started from: most take the readers seconds
# under the sanitizers, which would leave little time for anything else.
#
# Inputs are of up to 64 KiB; one that takes longer than FUZZ_TIMEOUT seconds
# counts as a hang. The default, 5 s, stands for the program's 1 s under the
# sanitizers, which make the readers five to ten times slower; replaying the
# work corpus with a plain build's replay_<target> names its slowest input
# and that input's time. A crash, a hang, a leak, running out of memory, a
# sanitizer report or a broken property stops that program and keeps the
# input in BUILD_DIR/fuzz/findings/<target>/ (once the fault is fixed, the
# input joins fuzz/findings/<target>/); the script goes on with the next
# program and fails at the end. The executions of each program are summed up
# in BUILD_DIR/fuzz/summary.txt.
set -uo pipefail

build=${1:?usage: $0 BUILD_DIR [SECONDS_EACH] [TARGET...]}
seconds=${2:-300}
shift $(( $# < 2 ? $# : 2 ))
here=$(cd "$(dirname "$0")" && pwd)
timeout=${FUZZ_TIMEOUT:-5}

# The dictionary of each target's file format.
declare -A dictionary=(
    [xmltables]=xmltables [encodingtables]=tablecsv [scenetable]=scenecsv
    [sceneimport]=scenecsv [setup]=setup [csvconversion]=tablecsv [siteplan]=siteplan
    [recorderprofiles]=recorderprofiles)
targets=("$@")
[[ ${#targets[@]} -eq 0 ]] && targets=(xmltables encodingtables scenetable sceneimport setup csvconversion siteplan recorderprofiles)

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$here/../tools/sanitizers/ubsan.supp:${UBSAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$here/../tools/sanitizers/lsan.supp:${LSAN_OPTIONS:-}"

mkdir -p "$build/fuzz"
summary="$build/fuzz/summary.txt"
: > "$summary"
failed=0
for target in "${targets[@]}"; do
    program="$build/fuzz/fuzz_$target"
    work="$build/fuzz/work/$target"
    findings="$build/fuzz/findings/$target"
    log="$build/fuzz/$target.log"
    mkdir -p "$work" "$findings"
    echo "== fuzz_$target for ${seconds}s"
    "$program" -max_total_time="$seconds" -max_len=65536 -timeout="$timeout" -rss_limit_mb=2048 \
        -print_final_stats=1 -dict="$here/dict/${dictionary[$target]}.dict" \
        -artifact_prefix="$findings/" "$work" "$here/corpus/$target" > "$log" 2>&1
    status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    line=$(printf '%-16s %12s executions  %s' "$target" "${executions:-?}" \
        "$([[ $status -eq 0 ]] && echo ok || echo "FAILED (status $status, see $log)")")
    echo "$line" | tee -a "$summary"
    if [[ $status -ne 0 ]]; then
        failed=1
        grep -E '^(==[0-9]+==ERROR|SUMMARY|.*property broken|.*runtime error|artifact_prefix|Test unit written)' "$log" | head -20
    fi
done
exit $failed
