#!/usr/bin/env bash
# Runs settings_check.exe (the cleaning settings window on the real API: open, change, OK, the
# values in hvset.dat and the plug-in file, open again, Cancel) in a sandboxed Wine desktop,
# photographs the changed window, and counts the checks it made.
# Usage: tests/wine/settings_check.sh [WIN_BUILD [SCREENSHOT.png]]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
build=${1:-$root/build/win}
window_program_check settings_check "$build" "${2:-$build/settings_check.png}"
