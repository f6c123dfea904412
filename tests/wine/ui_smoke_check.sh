#!/usr/bin/env bash
# Runs ui_smoke.exe (one of each control, a modal form, a popup and a tray icon on the real API)
# in a sandboxed Wine desktop, photographs it, and counts the checks it made of itself.
# Usage: tests/wine/ui_smoke_check.sh [WIN_BUILD [SCREENSHOT.png]]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
build=${1:-$root/build/win}
window_program_check ui_smoke "$build" "${2:-$build/ui_smoke.png}"
