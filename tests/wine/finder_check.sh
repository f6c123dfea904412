#!/usr/bin/env bash
# Runs finder_check.exe (the file finder on the real API) in one sandboxed Wine prefix inside a
# Wine desktop: prepares a tree with junk files, a read-only file, a path with two blanks in a
# row and a junction loop, takes a screenshot of the window once it has searched, and checks
# what the program reports, the disk and the XDG trash that stands for the recycle bin.
# Usage: tests/wine/finder_check.sh [WIN_BUILD [SCREENSHOT.png]]
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/win}
shot=${2:-$build/finder_check.png}
exe=$build/tests/wine/finder_check.exe
[[ -f $exe ]] || { echo "finder_check: $exe is not built" >&2; exit 2; }
work=$(mktemp -d "${TMPDIR:-/tmp}/hv-finder.XXXXXXXX")
trap 'rm -rf -- "$work"' EXIT

# Runs inside the sandbox.
inside='
out=$1
shot=$2
t="$HV_DRIVE_C/finder-tree"
mkdir -p "$t/sub/deeper" "$t/My  Files"
for f in a.tmp keep.txt ro.tmp thumbs.db My "My  Files/c.tmp" sub/b.tmp sub/deeper/e.tmp; do
    echo junk > "$t/$f"
done
chmod a-w "$t/ro.tmp"
ln -s "$t" "$t/sub/loop"
run="$HV_DRIVE_C/hv-run"
"$HV_WINE" explorer /desktop=hv,1024x768 "C:\\hv-run\\finder_check.exe" >"$out/wine.log" 2>&1 &
pid=$!
for i in $(seq 1 120); do [ -f "$run/ready.txt" ] && break; sleep 0.5; done
sleep 1.5
import -window root "$shot" 2>>"$out/wine.log"
touch "$run/shot.txt"
for i in $(seq 1 120); do [ -f "$run/result.txt" ] && break; sleep 0.5; done
sleep 1
cp "$run/result.txt" "$out/" 2>/dev/null
kill $pid 2>/dev/null
wait $pid 2>/dev/null
ls -A "$XDG_DATA_HOME/Trash/files" 2>/dev/null | sort > "$out/trash"
(cd "$t" && find . | sort) > "$out/tree"
'

mkdir -p "$work/out"
"$root/tools/wine-sandbox" --xvfb --copy "$exe" 'C:\hv-run\' \
    --copy "$root/packaging/app/skins" 'C:\hv-run\' \
    --host -- bash -c "$inside" inside "$work/out" "$shot" >"$work/log" 2>&1

passed=0
failed=0
check() {  # check NAME COMMAND...
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

result=$work/out/result.txt
check "the program wrote its result" test -s "$result"
while IFS= read -r line; do
    case $line in
    "ok      "*) check "${line#ok      }" true ;;
    "FAILED  "*) check "${line#FAILED  }" false ;;
    *) echo "           $line" ;;
    esac
done < <(cat "$result" 2>/dev/null)
for name in a.tmp b.tmp c.tmp e.tmp; do
    check "$name is in the recycle bin" grep -qx "$name" "$work/out/trash"
done
check "p.tmp, deleted for good, is not in the recycle bin" bash -c "! grep -qx p.tmp '$work/out/trash'"
check "the junction loop is left alone" grep -qx "./sub/loop" "$work/out/tree"
check "the screenshot was taken" test -s "$shot"

echo "finder_check: $passed passed, $failed failed"
if ((failed > 0)); then
    cat "$work/log" "$work/out/wine.log" 2>/dev/null | grep -v '^$' | head -40
    exit 1
fi
