#!/usr/bin/env bash
# Runs settings_check.exe (the cleaning settings window on the real API: open, change, OK, the
# values in hvset.dat and the plug-in file, open again, Cancel) in a sandboxed Wine desktop,
# photographs the changed window, and counts the checks it made.
# Usage: tests/wine/settings_check.sh [WIN_BUILD [SCREENSHOT.png]]
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
build=${1:-$root/build/win}
shot=${2:-$build/settings_check.png}
exe=$build/tests/wine/settings_check.exe
[[ -f $exe ]] || { echo "settings_check: $exe is not built" >&2; exit 2; }
work=$(mktemp -d "${TMPDIR:-/tmp}/hv-settings.XXXXXXXX")
trap 'rm -rf -- "$work"' EXIT

run_window_program "$exe" "$work/out" "$shot" --copy "$root/packaging/app/skins" 'C:\hv-run\' \
    >"$work/log" 2>&1
check_report "$work/out/result.txt"
check "the screenshot was taken" test -s "$shot"
finish_checks settings_check "$work/log" "$work/out/wine.log"
