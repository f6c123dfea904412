#!/usr/bin/env bash
# Runs the shipped delThumbs.bat under Wine's command interpreter in a sandboxed prefix: it
# removes every file named Thumbs.db below the user's profile folder, whatever its attributes,
# and nothing else; with USERPROFILE empty or not a full path it removes nothing at all.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/hv-del-thumbs.XXXXXXXX")
trap 'rm -rf -- "$work"' EXIT

# Runs inside the sandbox. Builds the profile, runs the batch file with the profile unusable
# (three ways), lists what is left, runs it for real and lists again.
inside='
out=$1
u=$HV_USER_FOLDER
c=$HV_DRIVE_C
mkdir -p "$u/Pics/deep/a/b" "$u/Pics2" "$u/x (y) & z" "$u/Pics/Thumbs.db/inner" "$c/outside"
for f in "$u/Thumbs.db" "$u/Pics/deep/a/b/Thumbs.db" "$u/x (y) & z/Thumbs.db" \
         "$u/Pics2/thumbs.DB" "$c/outside/Thumbs.db" "$c/Thumbs.db"; do echo t > "$f"; done
echo k > "$u/Pics/deep/a/b/keep.jpg"
echo k > "$u/Pics/Thumbs.db/inner/keep.jpg"
echo k > "$u/Pics/Thumbs.db2"
chmod a-w "$u/Pics2/thumbs.DB"
ln -s "$c/outside" "$u/Pics/link"
listing() { (cd "$c" && find . -path ./windows -prune -o -type f -print | grep -iv "hv-run" | sort); }
listing > "$out/before"
echo "./${u#"$c"/}" > "$out/user"
# Started from C:\, a relative "users" would name the folder of every profile.
for profile in "" "C:\\" "users"; do
    printf "@echo off\r\ncd /d C:\\\\\r\nset \"USERPROFILE=%s\"\r\ncall \"C:\\\\Program Files\\\\Halvane\\\\delThumbs.bat\"\r\n" \
        "$profile" > "$c/hv-run/unset.bat"
    "$HV_WINE" cmd /c "C:\\hv-run\\unset.bat"
    listing > "$out/unusable-$(printf %s "$profile" | tr -c "a-z" _)"
done
"$HV_WINE" cmd /c "C:\\Program Files\\Halvane\\delThumbs.bat"
echo $? > "$out/status"
listing > "$out/after"
'

mkdir -p "$work/out"
"$root/tools/wine-sandbox" --copy "$root/packaging/app/delThumbs.bat" 'C:\Program Files\Halvane\' \
    --hook 'mkdir -p "$HV_DRIVE_C/hv-run"' \
    --host -- bash -c "$inside" inside "$work/out" >"$work/log" 2>&1


removed() { comm -23 "$work/out/before" "$work/out/after"; }
user=$(cat "$work/out/user" 2>/dev/null)
expected_removed=$(printf '%s\n' "$user/Pics/deep/a/b/Thumbs.db" "$user/Pics2/thumbs.DB" \
    "$user/Thumbs.db" "$user/x (y) & z/Thumbs.db" | sort)

check "the batch file ran" test "$(cat "$work/out/status" 2>/dev/null)" = 0
check "the shipped file has CRLF line ends only" \
    test "$(grep -c $'\r$' "$root/packaging/app/delThumbs.bat")" = "$(wc -l <"$root/packaging/app/delThumbs.bat")"
for unusable in "$work"/out/unusable-*; do
    check "an unusable USERPROFILE ($(basename "$unusable")) removes nothing" \
        cmp -s "$work/out/before" "$unusable"
done
check "every Thumbs.db below the profile goes, and nothing else" \
    test "$(removed)" = "$expected_removed"
check "a link out of the profile is not followed" grep -qx './outside/Thumbs.db' "$work/out/after"
check "a folder named Thumbs.db keeps its content" \
    grep -qxF "$user/Pics/Thumbs.db/inner/keep.jpg" "$work/out/after"

echo "del_thumbs_check: $passed passed, $failed failed"
if ((failed > 0)); then
    cat "$work/log"
    exit 1
fi
