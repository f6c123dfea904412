#!/usr/bin/env bash
# Checks that a prefix made by tools/wine-sandbox cannot reach this machine's files: the user
# folders and every drive letter stay inside the sandbox, Windows programs see no Z:, and the
# sandbox is gone afterwards, also when the command inside fails.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
sandbox_script=$root/tools/wine-sandbox
work=$(mktemp -d "${TMPDIR:-/tmp}/hv-sandbox-check.XXXXXXXX")
trap 'rm -rf -- "$work"' EXIT


# Runs inside the sandbox: writes one "name ok|fail detail" line per finding, then exits 7 so
# that the failure path of the script is the one exercised.
inside='
report=$1
inside_sandbox() { [[ $(readlink -f "$1") == "$HV_SANDBOX"/* ]]; }
say() { echo "$1 $2" >>"$report"; }
echo "$HV_SANDBOX" >"$report.sandbox"
for variable in HOME XDG_DATA_HOME XDG_CONFIG_HOME WINEPREFIX; do
    inside_sandbox "${!variable}" && say "$variable" ok || say "$variable" "fail ${!variable}"
done
found=0
for folder in "$HV_DRIVE_C"/users/*/{Desktop,Documents,Downloads,Music,Pictures,Videos}; do
    [[ -e $folder || -L $folder ]] || continue
    found=$((found + 1))
    inside_sandbox "$folder" && say "${folder#$HV_DRIVE_C/}" ok ||
        say "${folder#$HV_DRIVE_C/}" "fail $(readlink -f "$folder")"
done
[[ $found -ge 6 ]] && say user-folders-present ok || say user-folders-present "fail only $found"
[[ -e $WINEPREFIX/dosdevices/z: || -L $WINEPREFIX/dosdevices/z: ]] &&
    say z-drive-removed fail || say z-drive-removed ok
for drive in "$WINEPREFIX"/dosdevices/?:; do
    [[ -e $drive || -L $drive ]] || continue
    inside_sandbox "$drive" && say "drive-${drive##*/}" ok || say "drive-${drive##*/}" "fail $(readlink -f "$drive")"
done
# ("if exist Z:\\" says no under Wine even where the drive is; "dir" tells the truth.)
(cd "$HV_DRIVE_C" && "$HV_WINE" cmd /c "dir Z:\\ >nul 2>nul") &&
    say windows-sees-no-z fail || say windows-sees-no-z ok
exit 7
'

"$sandbox_script" --host -- bash -c "$inside" inside "$work/report" >"$work/log" 2>&1
status=$?
check "the command's exit status comes back" test "$status" -eq 7
if [[ -s $work/report ]]; then
    while read -r name verdict detail; do
        check "$name inside the sandbox${detail:+ ($detail)}" test "$verdict" = ok
    done <"$work/report"
else
    check "the checks inside the sandbox ran" false
    cat "$work/log"
fi
sandbox=$(cat "$work/report.sandbox" 2>/dev/null)
check "the sandbox folder was a real temporary folder" test -n "$sandbox"
check "the sandbox folder is gone afterwards" test ! -e "${sandbox:-/nonexistent}"

# A kept sandbox is never made in a folder that holds something else.
mkdir -p "$work/occupied"
echo precious >"$work/occupied/file.txt"
"$sandbox_script" --prefix "$work/occupied" --host -- true >/dev/null 2>&1
status=$?
check "a folder with other content is refused as a kept sandbox" test "$status" -ne 0
check "the refused folder is left as it was" test "$(cat "$work/occupied/file.txt")" = precious

echo "$passed passed, $failed failed"
((failed == 0))
