#!/usr/bin/env bash
# Runs the fuzz targets of build/fuzz.
#   run-fuzz.sh replay BUILD        each target once over its seed corpus; ends with the line
#                                   "N passed, N failed" (one count per target). BUILD is the
#                                   fuzz build or any native build with the replay programs
#                                   (target fuzz_replay: the sanitized build in make test)
#   run-fuzz.sh fuzz FUZZ_BUILD     each target for FUZZ_SECONDS (default 60); new inputs go to
#                                   FUZZ_BUILD/corpus/<target>, crashes to FUZZ_BUILD/crashes;
#                                   one summary line per target: executions and corpus size
set -uo pipefail

mode=${1:?usage: run-fuzz.sh replay|fuzz FUZZ_BUILD}
build=${2:?usage: run-fuzz.sh replay|fuzz FUZZ_BUILD}
seconds=${FUZZ_SECONDS:-60}
here=$(cd "$(dirname "$0")" && pwd)
bin=$build/tests/fuzz

passed=0
failed=0
for seeds in "$here"/corpus/*/; do
    name=$(basename "$seeds")
    target=$bin/fuzz_$name
    [[ $mode == replay && ! -x $target ]] && target=$bin/replay_$name
    if [[ ! -x $target ]]; then
        echo "fuzz_$name: not built" >&2
        failed=$((failed + 1))
        continue
    fi
    case $mode in
        replay)
            if out=$("$target" "$seeds"* 2>&1); then
                passed=$((passed + 1))
            else
                echo "$out" | tail -n 30
                echo "fuzz_$name: FAILED on its corpus"
                failed=$((failed + 1))
            fi
            ;;
        fuzz)
            work=$build/corpus/$name
            crashes=$build/crashes/$name
            mkdir -p "$work" "$crashes"
            log=$build/fuzz_$name.log
            "$target" "$work" "$seeds" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
                -artifact_prefix="$crashes/" -print_final_stats=1 >"$log" 2>&1
            status=$?
            runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
            corpus=$(find "$work" -type f | wc -l)
            if [[ $status -eq 0 ]]; then
                passed=$((passed + 1))
                echo "fuzz_$name: ${runs:-?} executions, corpus $corpus inputs"
            else
                failed=$((failed + 1))
                grep -E 'invariant broken|ERROR: |SUMMARY' "$log" | head -n 5
                echo "fuzz_$name: FAILED after ${runs:-?} executions (see $log, $crashes)"
            fi
            ;;
        *) echo "run-fuzz.sh: unknown mode $mode" >&2; exit 2 ;;
    esac
done
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
