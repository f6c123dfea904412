#!/usr/bin/env bash
# Runs the console companion halvanec.exe under Wine in one sandboxed prefix, over a user
# profile laid out with browser data, cookies and a keep list, temporary files, dialog and Run
# histories, a plug-in and custom items: --list prints the whole catalogue, --clean removes
# exactly what the switched-on items name (and nothing of the user's own files), prints one
# row per item and the summary, and records the run in hvset.dat; an unknown argument exits 2.
# The application folder is build/win/app unless HV_APP names another.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
app=${HV_APP:-$root/build/win/app}
work=$(mktemp -d "${TMPDIR:-/tmp}/hv-halvanec.XXXXXXXX")
trap 'rm -rf -- "$work"' EXIT

if [[ ! -f $app/halvanec.exe ]]; then
    echo "halvanec_clean_check: no halvanec.exe in the application folder $app (make win, or set HV_APP)"
    check "the application folder holds halvanec.exe" false
    echo "$passed passed, $failed failed"
    exit 1
fi

# Runs inside the sandbox: lays out the profile, runs halvanec and writes what it saw to $out.
inside='
set -u
out=$1
c=$HV_DRIVE_C
u=$HV_USER_FOLDER
user=${u##*/}
W="C:\\users\\$user"
app="$c/Program Files/Halvane"
R=$u/AppData/Roaming
L=$u/AppData/Local
cd "$c"
crlf() { local line; for line in "$@"; do printf "%s\r\n" "$line"; done; }
put() { local f; for f in "$@"; do mkdir -p "$(dirname "$f")"; printf "%s" "data of ${f##*/}" >"$f"; done; }

echo "$user" >"$out/user"

ff=$R/Mozilla/Firefox/Profiles
ffl=$L/Mozilla/Firefox/Profiles
chrome="$L/Google/Chrome/User Data"
cookies=$L/Microsoft/Windows/INetCookies
put "$ff/abc.default/places.sqlite" "$ff/abc.default/cookies.sqlite" "$ff/abc.default/prefs.js" \
    "$ff/xyz.work/places.sqlite" "$R/Mozilla/Firefox/Crash Reports/places.sqlite" \
    "$ffl/abc.default/cache/entries/x.bin" "$ffl/abc.default/places.sqlite" \
    "$ffl/abc.default/startupCache/s.bin" "$ffl/xyz.work/cache/ro.bin" \
    "$chrome/Default/Cookies" "$chrome/Default/History" "$chrome/Default/Bookmarks" \
    "$chrome/Default/Current Session" "$chrome/Default/Last Session" \
    "$chrome/Default/Cache/data_0" "$chrome/Default/Cache/index/f_1" \
    "$chrome/Default/Session Storage/000003.log" "$chrome/Local State" \
    "$R/Maxthon3/Users/guest/SmartUrl.dat" "$R/Maxthon3/Users/guest/Favorite.dat" \
    "$cookies/a.txt" "$cookies/b.txt" "$cookies/keep.txt" "$cookies/Low/c.txt" \
    "$u/Temp/a.tmp" "$u/Temp/sub/b.tmp" "$c/windows/temp/old.tmp" \
    "$R/SketchPad/recent.dat" "$R/SketchPad/settings.ini" "$R/SketchPad/sub/recent.dat" \
    "$R/ExampleTool/history.dat" \
    "$u/Projects/old report.txt" "$u/Projects/notes.txt" "$u/Projects/scratch/a.txt" \
    "$u/Projects/scratch/deep/b.txt" "$u/Projects/scratch2/a.txt" "$u/Projects/Thumbs.db" \
    "$u/Documents/keep.doc" "$u/Documents/Thumbs.db" "$u/keep-profile.txt"
chmod a-w "$ffl/xyz.work/cache/ro.bin"

crlf "$W\\AppData\\Local\\Microsoft\\Windows\\INetCookies\\keep.txt" >"$app/keepcook.dat"
# The profile and Documents (a link here) are never removed, nor anything reached through a link.
tab=$(printf "\t")
crlf "$W\\Projects\\old report.txt${tab}File" "$W\\Projects\\scratch${tab}Folder" \
     "$W\\Documents\\keep.doc${tab}File" "$W\\Documents${tab}Folder" "$W${tab}Folder" >"$app/cusd.dat"
crlf "[name]" "appname=SketchPad" "[version]" "appver=1.0" "[dec]" "decs=Recent sketches" \
     "[swich]" "on=1" "[regtree]" "1=-2147483647,Software\\SketchPad\\Recent" \
     "[file]" "1=appdata,\\SketchPad,recent.dat" >"$app/plus-in/SketchPad.hve"
crlf "[EXPLORER]" "cookies=1" "index=1" \
     "[FIREFOX]" "Cookies=1" "cache=1" "History=1" \
     "[Maxthon]" "keywords=01" \
     "[Chrome]" "Cookies=1" "Cache=1" "Session=1" "History=01" \
     "[Safari]" "Cache=1" \
     "[WINDOWS]" "run=1" "temp=1" "open=1" "wordpad=1" "paint=0" "findfiles=1" "thumbs=1" \
     "[Custom]" "Custom=1" \
     "[Options]" "exit=1" >"$app/hvset.dat"

x="HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer"
bars="HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}"
crlf "REGEDIT4" "" \
     "[$x\\RunMRU]" "\"a\"=\"notepad\\\\1\"" "\"MRUList\"=\"a\"" "" \
     "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List]" \
     "\"File1\"=\"C:\\\\letter.rtf\"" "" \
     "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List]" \
     "\"File1\"=\"C:\\\\photo.bmp\"" "" \
     "[$x\\ComDlg32\\OpenSaveMRU\\txt]" "\"a\"=\"C:\\\\notes.txt\"" "" \
     "[$x\\ComDlg32\\LastVisitedMRU]" "\"a\"=\"notepad.exe\"" "" \
     "[$x\\Doc Find Spec MRU]" "\"a\"=\"*.doc\"" "" \
     "[$x\\WordWheelQuery]" "\"0\"=\"budget\"" "" \
     "[$bars\\FilesNamedMRU]" "\"000\"=\"report\"" "" \
     "[HKEY_CURRENT_USER\\Software\\Microsoft\\Search Assistant\\ACMru\\5603]" "\"000\"=\"report\"" "" \
     "[HKEY_CURRENT_USER\\Software\\SketchPad\\Recent\\Files]" "\"1\"=\"a.sk\"" "" \
     "[HKEY_CURRENT_USER\\Software\\SketchPad\\Settings]" "\"Zoom\"=\"2\"" "" \
     "[HKEY_CURRENT_USER\\Software\\ExampleTool\\Recent Projects]" "\"1\"=\"p\"" "" >"$c/hv-profile.reg"
"$HV_WINE" reg import "C:\\hv-profile.reg" >/dev/null 2>&1

# Every file of drive C: outside the Windows folder (its temp folder included), and the
# sandbox home that the Documents link leads to.
listing() {
    { find . -path ./windows -prune -o -type f -print; find ./windows/temp -type f
      (cd "$HOME" && find . -path "*/.*" -prune -o -type f -print | sed "s|^\./|home/|"); } | sort
}
# The key lines below HKCU\Software into $1, the whole query into $1.full.
registry() {
    "$HV_WINE" reg query "HKCU\\Software" /s 2>/dev/null | tr -d "\r" >"$1.full"
    grep "^HKEY_" "$1.full" | sort >"$1"
}

listing >"$out/files-before"
registry "$out/registry-before"
hvc="C:\\Program Files\\Halvane\\halvanec.exe"
"$HV_WINE" "$hvc" --list >"$out/list" 2>"$out/list.err"; echo $? >"$out/list.status"
start=$(date +%s.%N)
"$HV_WINE" "$hvc" --clean >"$out/clean" 2>"$out/clean.err"; echo $? >"$out/clean.status"
echo "$start $(date +%s.%N)" >"$out/clean.time"
"$HV_WINE" "$hvc" --bogus >"$out/bogus" 2>"$out/bogus.err"; echo $? >"$out/bogus.status"
listing >"$out/files-after"
registry "$out/registry-after"
tr -d "\r" <"$app/hvset.dat" >"$out/hvset.dat"
if [[ -d $u/Temp ]]; then echo yes >"$out/temp-folder-kept"; fi
'

mkdir -p "$work/out"
started=$SECONDS
"$root/tools/wine-sandbox" --copy "$app" 'C:\Program Files\Halvane' \
    --host -- bash -c "$inside" inside "$work/out" >"$work/log" 2>&1
status=$?
o=$work/out
check "the run inside the sandbox finished" test "$status" = 0

# --- the prefix is what the fixture assumes
user=$(cat "$o/user" 2>/dev/null)
shell_folder() {
    sed -n '/^HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders$/,/^$/p' \
        "$o/registry-before.full" 2>/dev/null | sed -n "s/^    $1 *REG_EXPAND_SZ *//p"
}
check "the prefix keeps AppData, Local AppData and Cookies where the fixture puts them" \
    test "$(shell_folder AppData)|$(shell_folder 'Local AppData')|$(shell_folder Cookies)" = \
    '%USERPROFILE%\AppData\Roaming|%USERPROFILE%\AppData\Local|%USERPROFILE%\AppData\Local\Microsoft\Windows\INetCookies'

# --- --list
tr -d '\r' <"$o/list" >"$o/list.lf" 2>/dev/null
check "--list exits 0" test "$(cat "$o/list.status" 2>/dev/null)" = 0
# The run's items: the catalogue's 142, then the custom items with their own switch.
check "--list prints the 142 catalogue items and the custom item" test "$(wc -l <"$o/list.lf")" = 143
check "--list starts with the IE address bar item" \
    test "$(head -n 1 "$o/list.lf")" = $'EXPLORER\tlocation\tIE Address Bar History\tIE Location Bar History'
check "--list ends with the custom items" \
    test "$(tail -n 1 "$o/list.lf")" = $'Custom\tCustom\tCustom Clean Items\tCustom Item'
check "every --list line has four non-empty tab-separated fields" \
    test -z "$(awk -F'\t' 'NF != 4 || $1 == "" || $2 == "" || $3 == "" || $4 == ""' "$o/list.lf")"
check "--list names every item once" \
    test -z "$(cut -f1,2 "$o/list.lf" | tr 'A-Z' 'a-z' | sort | uniq -d)"
switched=$(awk -F= '/^\[/ {s = substr($1, 2, length($1) - 2)} /=/ && s != "Options" {print s "\t" $1}' \
    "$o/hvset.dat" 2>/dev/null | sort -u)
check "every switch the fixture sets is a listed item" \
    test -z "$(comm -23 <(echo "$switched") <(cut -f1,2 "$o/list.lf" | sort))"

# --- --clean: the rows, in clean-run order, then the summary
tr -d '\r' <"$o/clean" >"$o/clean.lf" 2>/dev/null
expected_rows=$'IE Cookies\tDone
IE Index.dat Files\tNeed to reboot your computer!
Firefox Cookies\tDone
Firefox Cache\tDone
Firefox History Files\tDone
Maxthon Typed Urls\tDone
Chrome Cookies\tDone
Chrome Cache\tDone
Chrome Session\tDone
Safari Cache\tDone
Start Menu Run History\tDone
Windows Temp\tDone
Open/Save Dialog Box History\tDone
Wordpad Recent Files\tDone
Find files dialog box\tDone
Thumbs.db\tDone
Custom Item\tDone
SketchPad\tDone'
check "--clean exits 0" test "$(cat "$o/clean.status" 2>/dev/null)" = 0
check "--clean prints nothing on its error stream" test ! -s "$o/clean.err"
check "--clean prints one row per switched-on item and plug-in, in order" \
    test "$(head -n -1 "$o/clean.lf")" = "$expected_rows"
summary=$(tail -n 1 "$o/clean.lf")
summary_re='^Task complete Successfully! Cleaned Registry Keys: ([0-9]+), Released HD Space: ([0-9]+\.[0-9][0-9])MB$'
check "--clean ends with the summary line" grep -Eqx "$summary_re" <<<"$summary"
# Entries are fixed counts: RunMRU and Wordpad 3 each, the two Open/Save trees 5 each, five
# Find Files keys 3 each, the plug-in's tree 5 and the plug-in itself 1.
check "the summary counts 37 registry entries" \
    test "$(sed -nE "s/$summary_re/\1/p" <<<"$summary")" = 37

ini() { awk -F= -v s="[$1]" -v k="$2" '$0 == s {in_s = 1; next} /^\[/ {in_s = 0} in_s && $1 == k {sub(/^[^=]*=/, ""); print}' "$o/hvset.dat"; }
check "hvset.dat records the time of the clean, though the exit option is on" \
    grep -Eqx '[0-9]{1,2}/[0-9]{1,2}/[0-9]{4} [0-9]{1,2}:[0-9]{2}:[0-9]{2} [AP]M' <<<"$(ini Options lastclean)"
check "hvset.dat records the entries the summary shows" test "$(ini Options regnum)" = 37
filesize=$(ini Options filesize)
check "hvset.dat records the bytes the summary shows" \
    test -n "$filesize" -a "$(awk -v b="$filesize" 'BEGIN {printf "%.2f", b / 1048576}')" = \
    "$(sed -nE "s/$summary_re/\2/p" <<<"$summary")"
# Every fixture file holds "data of NAME" (8 bytes + the name). A recursive target counts the
# matches directly in its folder + 10,000; the others count what they remove:
#   IE cookies a.txt 13, b.txt 13                                    26
#   index files                                               3,500,000
#   Firefox: four recursive targets, nothing at the root         40,000
#   Maxthon: one recursive target                                10,000
#   Chrome Cookies 15 + 10,000, Cache data_0 14 + 10,000         20,029
#   Chrome Session: Last 20, Current 23, Session Storage 18,
#     and five recursive targets                                 50,061
#   Temp a.tmp 13, windows\temp old.tmp 15, two recursive        20,028
#   custom file 22 and folder 26                                     48
#   plug-in recent.dat 18, and 50,000 for the plug-in            50,018
check "the released bytes are those of the removed files and the fixed amounts" \
    test "$filesize" = 3690210
check "recording the run keeps the switches in hvset.dat" \
    test "$(ini WINDOWS run)|$(ini Custom Custom)" = "1|1"

# --- files: exactly these went, everything else stayed
ffr=./users/$user/AppData/Roaming
ffl=./users/$user/AppData/Local
expected_removed=$(printf '%s\n' \
    "$ffr/Mozilla/Firefox/Profiles/abc.default/places.sqlite" \
    "$ffr/Mozilla/Firefox/Profiles/abc.default/cookies.sqlite" \
    "$ffr/Mozilla/Firefox/Profiles/xyz.work/places.sqlite" \
    "$ffl/Mozilla/Firefox/Profiles/abc.default/cache/entries/x.bin" \
    "$ffl/Mozilla/Firefox/Profiles/abc.default/places.sqlite" \
    "$ffl/Google/Chrome/User Data/Default/Cookies" \
    "$ffl/Google/Chrome/User Data/Default/Current Session" \
    "$ffl/Google/Chrome/User Data/Default/Last Session" \
    "$ffl/Google/Chrome/User Data/Default/Cache/data_0" \
    "$ffl/Google/Chrome/User Data/Default/Cache/index/f_1" \
    "$ffl/Google/Chrome/User Data/Default/Session Storage/000003.log" \
    "$ffr/Maxthon3/Users/guest/SmartUrl.dat" \
    "$ffl/Microsoft/Windows/INetCookies/a.txt" \
    "$ffl/Microsoft/Windows/INetCookies/b.txt" \
    "./users/$user/Temp/a.tmp" "./users/$user/Temp/sub/b.tmp" "./windows/temp/old.tmp" \
    "$ffr/SketchPad/recent.dat" \
    "./users/$user/Projects/old report.txt" "./users/$user/Projects/scratch/a.txt" \
    "./users/$user/Projects/scratch/deep/b.txt" "./users/$user/Projects/Thumbs.db" | sort)
removed=$(comm -23 "$o/files-before" "$o/files-after" 2>/dev/null)
check "the clean removes exactly the files of the switched-on items" \
    test "$removed" = "$expected_removed"
if [[ $removed != "$expected_removed" ]]; then
    echo "    (< expected but kept, > removed but not expected)"
    diff <(echo "$expected_removed") <(echo "$removed") | grep '^[<>]' | sed 's/^/    /'
fi
# The whole-listing comparison covers these too; named here, so that a failure says what.
for kept in \
    "$ffr/Mozilla/Firefox/Profiles/abc.default/prefs.js" \
    "$ffr/Mozilla/Firefox/Crash Reports/places.sqlite" \
    "$ffl/Mozilla/Firefox/Profiles/abc.default/startupCache/s.bin" \
    "$ffl/Mozilla/Firefox/Profiles/xyz.work/cache/ro.bin" \
    "$ffl/Google/Chrome/User Data/Default/History" \
    "$ffl/Google/Chrome/User Data/Default/Bookmarks" \
    "$ffl/Google/Chrome/User Data/Local State" \
    "$ffl/Microsoft/Windows/INetCookies/keep.txt" \
    "$ffl/Microsoft/Windows/INetCookies/Low/c.txt" \
    "$ffr/SketchPad/settings.ini" "$ffr/SketchPad/sub/recent.dat" "$ffr/ExampleTool/history.dat" \
    "./users/$user/Projects/notes.txt" "./users/$user/Projects/scratch2/a.txt" \
    "./users/$user/keep-profile.txt" "home/keep.doc" "home/Thumbs.db"; do
    check "stays: ${kept#./users/$user/}" grep -qxF "$kept" "$o/files-after"
done
check "the custom folder itself is gone" \
    test -z "$(grep -F "./users/$user/Projects/scratch/" "$o/files-after")"
check "the temporary folder is there again after the clean" test -e "$o/temp-folder-kept"

# --- registry
x='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer'
bars='HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Explorer Bars'
acmru='HKEY_CURRENT_USER\Software\Microsoft\Search Assistant\ACMru'
applets='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Applets'
while IFS='|' read -r verdict key; do
    check "the fixture key is there before the clean: ${key#HKEY_CURRENT_USER\\Software\\}" \
        grep -qixF "$key" "$o/registry-before"
    if [[ $verdict == gone ]]; then
        check "goes: ${key#HKEY_CURRENT_USER\\Software\\}" \
            test -z "$(grep -ixF "$key" "$o/registry-after"; grep -iF "$key\\" "$o/registry-after")"
    else
        check "stays: ${key#HKEY_CURRENT_USER\\Software\\}" grep -qixF "$key" "$o/registry-after"
    fi
done <<EOF
gone|$x\\RunMRU
gone|$applets\\Wordpad\\Recent File List
stays|$applets\\Paint\\Recent File List
gone|$x\\ComDlg32\\OpenSaveMRU
stays|$x\\ComDlg32\\LastVisitedMRU
gone|$x\\Doc Find Spec MRU
gone|$x\\WordWheelQuery
gone|$bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU
stays|$bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}
stays|$acmru\\5603
gone|HKEY_CURRENT_USER\\Software\\SketchPad\\Recent
stays|HKEY_CURRENT_USER\\Software\\SketchPad\\Settings
stays|HKEY_CURRENT_USER\\Software\\ExampleTool\\Recent Projects
EOF

# --- usage errors
check "an unknown argument exits 2" test "$(cat "$o/bogus.status" 2>/dev/null)" = 2
check "an unknown argument is named on the error stream" grep -q -- "--bogus" "$o/bogus.err"

read -r clean_start clean_end 2>/dev/null <"$o/clean.time"
echo "halvanec_clean_check: the clean took $(awk -v a="${clean_start:-0}" -v b="${clean_end:-0}" \
    'BEGIN {printf "%.1f", b - a}') s, the whole check $((SECONDS - started)) s"
if ((failed > 0)); then
    cat "$work/log"
    for f in list.err clean clean.err; do
        if [[ -s $o/$f ]]; then
            echo "--- $f"
            cat "$o/$f"
        fi
    done
fi
echo "$passed passed, $failed failed"
((failed == 0))
