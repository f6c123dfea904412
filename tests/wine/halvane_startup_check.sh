#!/usr/bin/env bash
# Runs halvane.exe under Wine in one sandboxed prefix, twice:
#  1. started with Windows ("min", "WindowsStartup"=1, "exit"=1): it hides in the tray, cleans
#     at once, and ends by itself; the trace file that the "recent documents" item removes is
#     gone, and the figures of the previous run are kept.
#  2. started normally on a virtual X display: the splash gives way to the main window
#     "Halvane V6.50", which is photographed to build/halvane_main.png; the prefix's server
#     then ends it.
# Usage: tests/wine/halvane_startup_check.sh [WIN_BUILD]   (default build/win)
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
build=${1:-$root/build/win}
exe=$(find "$build/src/app" -maxdepth 1 -name halvane.exe 2>/dev/null | head -n 1)
shot=$root/build/halvane_main.png
work=$(mktemp -d "${TMPDIR:-/tmp}/hv-startup-check.XXXXXXXX")
trap 'rm -rf -- "$work"' EXIT


if [[ -z $exe ]]; then
    echo "halvane_startup_check: no halvane.exe under $build/src/app (build the win target)" >&2
    echo "0 passed, 1 failed"
    exit 1
fi
"$root/tools/make-app-folder" "$build" "$work/app" >/dev/null

# Runs inside the sandbox (Xvfb display set).
inside='
out=$1
app="$HV_DRIVE_C/Program Files/Halvane"
recent="$HV_USER_FOLDER/AppData/Roaming/Microsoft/Windows/Recent"
mkdir -p "$recent"
echo trace > "$recent/secret-report.lnk"
printf "[Options]\r\nWindowsStartup=1\r\nexit=1\r\nregnum=5\r\nfilesize=100\r\n[WINDOWS]\r\nrecent=1\r\n" > "$app/hvset.dat"

# 1. The start with Windows, inside a Wine desktop, ending by itself.
cd "$HV_DRIVE_C"
start=$(date +%s)
timeout 60 "$HV_WINE" explorer /desktop=hv,1024x768 "C:\\Program Files\\Halvane\\halvane.exe" min \
    > "$out/min.log" 2>&1
echo $? > "$out/min.status"
echo $(( $(date +%s) - start )) > "$out/min.seconds"
# halvane.exe of this prefix (other prefixes may run their own at the same time).
ours() {
    local pid
    for pid in $(pgrep -x halvane.exe); do
        tr "\0" "\n" < "/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
    done
    return 1
}
for _ in $(seq 1 20); do ours || break; sleep 0.5; done
ours && echo running > "$out/min.still" || true
[[ -e "$recent/secret-report.lnk" ]] && echo present > "$out/trace" || echo gone > "$out/trace"
tr -d "\r" < "$app/hvset.dat" > "$out/hvset.after"

# 2. A normal start: the main window comes up after the splash.
printf "[Options]\r\nregnum=12\r\nfilesize=3670016\r\nlastclean=12/10/2026 8:15:00 PM\r\n" > "$app/hvset.dat"
"$HV_WINE" explorer /desktop=hv,1024x768 "C:\\Program Files\\Halvane\\halvane.exe" \
    > "$out/normal.log" 2>&1 &
desktop=$!
found=""
for _ in $(seq 1 60); do
    found=$(xdotool search --onlyvisible --name "^Halvane V6.50\$" 2>/dev/null | head -n 1)
    [[ -n $found ]] && break
    sleep 0.5
done
echo "$found" > "$out/window"
sleep 2
import -window root "$out/main.png" 2>/dev/null
xdotool search --onlyvisible --name "^Halvane V6.50\$" 2>/dev/null | head -n 1 > "$out/window.later"
# The Status image, then "Start Cleaning >>": a run with every item off ends with its message.
if [[ -n $found ]]; then
    xdotool mousemove --window "$found" 123 66 click 1
    sleep 1
    xdotool mousemove --window "$found" 620 333 click 1
    for _ in $(seq 1 20); do
        xdotool search --onlyvisible --name "^Task Complete\$" >/dev/null 2>&1 && break
        sleep 0.5
    done
    xdotool search --onlyvisible --name "^Task Complete\$" 2>/dev/null | head -n 1 > "$out/message"
    sleep 1
    import -window root "$out/status.png" 2>/dev/null
fi
kill "$desktop" 2>/dev/null
"$HV_WINESERVER" -k 2>/dev/null
wait "$desktop" 2>/dev/null
true
'

"$root/tools/wine-sandbox" --xvfb --copy "$work/app" 'C:\Program Files\Halvane' \
    --host -- bash -c "$inside" inside "$work" >"$work/log" 2>&1

seconds=$(cat "$work/min.seconds" 2>/dev/null || echo "?")
check "started with min and the exit option, it ends by itself (in ${seconds}s)" \
    test "$(cat "$work/min.status" 2>/dev/null)" = 0
check "no halvane.exe is left running after the start-up clean" test ! -e "$work/min.still"
check "the start-up clean removed the recent-documents trace" \
    test "$(cat "$work/trace" 2>/dev/null)" = gone
check "a run ended by the exit option keeps the previous figures" \
    grep -qx "regnum=5" "$work/hvset.after"
check "a normal start shows the window \"Halvane V6.50\"" test -s "$work/window"
check "the main window stays up after the splash is gone" test -s "$work/window.later"
if [[ -s $work/main.png ]]; then
    cp "$work/main.png" "$shot"
    echo "screenshot: $shot"
fi
check "a screenshot of the main window was taken" test -s "$shot"
check "Start Cleaning >> in the Status view ends with the \"Task Complete\" message" \
    test -s "$work/message"
[[ -s $work/status.png ]] && cp "$work/status.png" "$root/build/halvane_status.png"

if ((failed > 0)); then
    cat "$work/log"
fi
echo "$passed passed, $failed failed"
((failed == 0))
