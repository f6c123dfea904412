# Shared by the Wine check scripts (sourced): one count of checks, and a way to run a window
# program that reports its own checks.
#
#   check NAME COMMAND...      runs COMMAND; counts and prints NAME as passed or failed
#   check_report FILE          counts the lines "ok      what" / "FAILED  what" a program wrote;
#                              other lines are shown as they are; a missing file fails
#   run_window_program EXE OUT SHOT [SANDBOX_OPTIONS...]
#                              runs EXE in a fresh sandbox inside a Wine desktop on a virtual
#                              display. The program writes "ready.txt" beside itself when it
#                              has something to show; the picture is then taken to SHOT and
#                              "shot.txt" tells the program to go on; its "result.txt" lands in
#                              OUT/result.txt and Wine's output in OUT/wine.log (SHOT may be
#                              /dev/null: no picture). A host command
#                              in PREPARE (variable, run in the sandbox first) can lay out files;
#                              one in COLLECT runs after the program, with $out set to OUT.

passed=0
failed=0

check() {
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "[       OK ] $name"
    else
        failed=$((failed + 1))
        echo "[  FAILED  ] $name"
    fi
}

check_report() {
    local report=$1 line
    check "the program wrote its result" test -s "$report"
    while IFS= read -r line; do
        case $line in
        "ok      "*) check "${line#ok      }" true ;;
        "FAILED  "*) check "${line#FAILED  }" false ;;
        *) echo "           $line" ;;
        esac
    done < <(cat "$report" 2>/dev/null)
}

PREPARE=${PREPARE:-}
COLLECT=${COLLECT:-}
run_window_program() {
    local exe=$1 out=$2 shot=$3
    shift 3
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    local name
    name=$(basename "$exe")
    mkdir -p "$out"
    # Runs inside the sandbox.
    local inside='
out=$1 shot=$2 name=$3
eval "$PREPARE"
run="$HV_DRIVE_C/hv-run"
"$HV_WINE" explorer /desktop=hv,1024x768 "C:\\hv-run\\$name" >"$out/wine.log" 2>&1 &
pid=$!
for i in $(seq 1 120); do [ -f "$run/ready.txt" ] && break; sleep 0.5; done
sleep 1.5
[ "$shot" = /dev/null ] || import -window root "$shot" 2>>"$out/wine.log"
touch "$run/shot.txt"
for i in $(seq 1 120); do [ -f "$run/result.txt" ] && break; sleep 0.5; done
sleep 1
cp "$run/result.txt" "$out/" 2>/dev/null
kill $pid 2>/dev/null
wait $pid 2>/dev/null
eval "$COLLECT"
'
    PREPARE=$PREPARE COLLECT=$COLLECT "$root/tools/wine-sandbox" --xvfb --copy "$exe" 'C:\hv-run\' \
        "$@" --host -- bash -c "$inside" inside "$out" "$shot" "$name"
}

# A whole check of a window program that reports its own checks: runs BUILD/tests/wine/NAME.exe
# with the skin beside it, photographs it to SHOT, counts its checks and prints the closing count.
window_program_check() {  # window_program_check NAME BUILD SHOT
    local name=$1 build=$2 shot=$3
    local exe=$build/tests/wine/$name.exe
    [[ -f $exe ]] || { echo "$(basename "$0" .sh): $exe is not built" >&2; return 2; }
    local work
    work=$(mktemp -d "${TMPDIR:-/tmp}/hv-$name.XXXXXXXX")
    run_window_program "$exe" "$work/out" "$shot" \
        --copy "$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/packaging/app/skins" 'C:\hv-run\' \
        >"$work/log" 2>&1
    check_report "$work/out/result.txt"
    check "the screenshot was taken" test -s "$shot"
    local status=0
    finish_checks "$(basename "$0" .sh)" "$work/log" "$work/out/wine.log" || status=1
    rm -rf -- "$work"
    return $status
}

# Prints the closing count; on failure shows the head of the given logs and returns 1.
finish_checks() {  # finish_checks NAME [LOG...]
    local name=$1
    shift
    echo "$name: $passed passed, $failed failed"
    if ((failed > 0)); then
        cat "$@" 2>/dev/null | grep -v '^$' | head -40
        return 1
    fi
}
