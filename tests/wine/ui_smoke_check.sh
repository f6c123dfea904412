#!/usr/bin/env bash
# Runs ui_smoke.exe (one of each control, a modal form, a popup and a tray icon on the real API)
# in a sandboxed Wine desktop, photographs it, and counts the checks it made of itself.
# Usage: tests/wine/ui_smoke_check.sh [WIN_BUILD [SCREENSHOT.png]]
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
build=${1:-$root/build/win}
shot=${2:-$build/ui_smoke.png}
exe=$build/tests/wine/ui_smoke.exe
[[ -f $exe ]] || { echo "ui_smoke_check: $exe is not built" >&2; exit 2; }
work=$(mktemp -d "${TMPDIR:-/tmp}/hv-ui-smoke.XXXXXXXX")
trap 'rm -rf -- "$work"' EXIT

run_window_program "$exe" "$work/out" "$shot" --copy "$root/packaging/app/skins" 'C:\hv-run\' \
    >"$work/log" 2>&1
check_report "$work/out/result.txt"
check "the screenshot was taken" test -s "$shot"
finish_checks ui_smoke_check "$work/log" "$work/out/wine.log"
