#!/usr/bin/env bash
# Runs boss_key_check.exe (the boss key's hot keys hiding and restoring real folder and browser
# windows) in a sandboxed Wine desktop, photographs the desktop while they are hidden, and
# counts the checks it made.
# Usage: tests/wine/boss_key_check.sh [WIN_BUILD [SCREENSHOT.png]]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
build=${1:-$root/build/win}
window_program_check boss_key_check "$build" "${2:-$build/boss_key_check.png}"
