#!/usr/bin/env bash
# Runs finder_check.exe (the file finder on the real API) in one sandboxed Wine prefix inside a
# Wine desktop: prepares a tree with junk files, a read-only file, a path with two blanks in a
# row and a junction loop, takes a screenshot of the window once it has searched, and checks
# what the program reports, the disk and the XDG trash that stands for the recycle bin.
# Usage: tests/wine/finder_check.sh [WIN_BUILD [SCREENSHOT.png]]
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
build=${1:-$root/build/win}
shot=${2:-$build/finder_check.png}
exe=$build/tests/wine/finder_check.exe
[[ -f $exe ]] || { echo "finder_check: $exe is not built" >&2; exit 2; }
work=$(mktemp -d "${TMPDIR:-/tmp}/hv-finder.XXXXXXXX")
trap 'rm -rf -- "$work"' EXIT

PREPARE='
t="$HV_DRIVE_C/finder-tree"
mkdir -p "$t/sub/deeper" "$t/My  Files"
for f in a.tmp keep.txt ro.tmp thumbs.db My "My  Files/c.tmp" sub/b.tmp sub/deeper/e.tmp; do
    echo junk > "$t/$f"
done
chmod a-w "$t/ro.tmp"
ln -s "$t" "$t/sub/loop"
'
COLLECT='
ls -A "$XDG_DATA_HOME/Trash/files" 2>/dev/null | sort > "$out/trash"
(cd "$HV_DRIVE_C/finder-tree" && find . | sort) > "$out/tree"
'
run_window_program "$exe" "$work/out" "$shot" --copy "$root/packaging/app/skins" 'C:\hv-run\' \
    >"$work/log" 2>&1

check_report "$work/out/result.txt"
for name in a.tmp b.tmp c.tmp e.tmp; do
    check "$name is in the recycle bin" grep -qx "$name" "$work/out/trash"
done
check "p.tmp, deleted for good, is not in the recycle bin" bash -c "! grep -qx p.tmp '$work/out/trash'"
check "the junction loop is left alone" grep -qx "./sub/loop" "$work/out/tree"
check "the screenshot was taken" test -s "$shot"

finish_checks finder_check "$work/log" "$work/out/wine.log"
