#!/usr/bin/env bash
# halvanec.exe --clean with every switch on, in one sandboxed prefix, on a profile full of
# traps: directory links (made with ln -s, which Wine lists as reparse points) inside every kind
# of cleaned folder - a Firefox profile, the temporary folder, a custom folder, a plug-in's
# folder - and cleaned folders that are links themselves, all leading to folders of precious
# files named like the things the run removes; a file held open without sharing by a second
# process; read-only files and folders. Every precious file must stay, the run must complete,
# and the read-only and held files must end as the erase rules say.
# HV_APP names the application folder to test (default build/win/app).
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/check_lib.sh"
app=${HV_APP:-$root/build/win/app}
work=$(mktemp -d "${TMPDIR:-/tmp}/hv-links.XXXXXXXX")
trap 'rm -rf -- "$work"' EXIT

if [[ ! -f $app/halvanec.exe ]]; then
    echo "links_check: no halvanec.exe in $app (make win, or set HV_APP)"
    echo "0 passed, 1 failed"
    exit 1
fi

# A second process that holds a file open without sharing until it is told to let go.
cat >"$work/holdopen.c" <<'EOF'
#include <windows.h>
int main(int argc, char** argv) {
    if (argc != 4) return 2;
    HANDLE held = CreateFileA(argv[1], GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    if (held == INVALID_HANDLE_VALUE) return 1;
    HANDLE mark = CreateFileA(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    CloseHandle(mark);
    for (int i = 0; i < 1200 && GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    CloseHandle(held);
    return 0;
}
EOF
if ! x86_64-w64-mingw32-gcc -static -O1 -o "$work/holdopen.exe" "$work/holdopen.c" 2>"$work/cc.log"; then
    cat "$work/cc.log"
    echo "0 passed, 1 failed"
    exit 1
fi

# Runs inside the sandbox.
inside='
out=$1
u=$HV_USER_FOLDER
c=$HV_DRIVE_C
user=$(basename "$u")
hv="$c/Program Files/Halvane"
W="C:\\users\\$user"

precious() {  # precious FOLDER: files named like what the run removes
    mkdir -p "$1/cache" "$1/sub"
    for f in places.sqlite cookies.sqlite key3.db downloads.sqlite index.dat a.tmp keep.txt \
             junk.dat ann@site.txt cache/inner.dat sub/deep.txt; do echo precious > "$1/$f"; done
}
for n in 1 2 3 4 5 6 7 8; do precious "$c/precious/p$n"; done

# A Firefox profile with a link inside; the local profile root is itself a link.
ff="$u/AppData/Roaming/Mozilla/Firefox/Profiles/x.default"
mkdir -p "$ff"
for f in places.sqlite cookies.sqlite downloads.sqlite; do echo t > "$ff/$f"; done
echo t > "$ff/key3.db"; chmod a-w "$ff/key3.db"
ln -s "$c/precious/p1" "$ff/out"
mkdir -p "$u/AppData/Local/Mozilla/Firefox"
rm -rf "$u/AppData/Local/Mozilla/Firefox/Profiles"
ln -s "$c/precious/p8" "$u/AppData/Local/Mozilla/Firefox/Profiles"

# The temporary folder: plain, read-only, a read-only folder, a held file and a link.
t="$u/Temp"
mkdir -p "$t/rodir" "$t/pkg"
echo t > "$t/plain.tmp"; echo t > "$t/pkg/inner.tmp"; echo t > "$t/held.tmp"
echo t > "$t/ro.tmp"; chmod a-w "$t/ro.tmp"
echo t > "$t/rodir/inside.tmp"; chmod a-w "$t/rodir"
ln -s "$c/precious/p2" "$t/out"
ln -s "$c/precious/p2" "$t/pkg/out"

# The recent-documents folder, emptied by its item, is itself a link.
rm -rf "$u/AppData/Roaming/Microsoft/Windows/Recent"
mkdir -p "$u/AppData/Roaming/Microsoft/Windows"
ln -s "$c/precious/p3" "$u/AppData/Roaming/Microsoft/Windows/Recent"

# Custom items: a folder with a read-only file and a link inside, a folder that is a link,
# a file.
mkdir -p "$c/custom/folder/deeper"
echo t > "$c/custom/folder/plain.txt"; echo t > "$c/custom/folder/deeper/more.txt"
echo t > "$c/custom/folder/ro.txt"; chmod a-w "$c/custom/folder/ro.txt"
ln -s "$c/precious/p6" "$c/custom/folder/out"
ln -s "$c/precious/p7" "$c/custom/linkfolder"
echo t > "$c/custom/single.txt"
printf "C:\\\\custom\\\\folder\tFolder\r\nC:\\\\custom\\\\linkfolder\tFolder\r\nC:\\\\custom\\\\single.txt\tFile\r\nC:\\\\custom\\\\linkfolder\\\\keep.txt\tFile\r\n" > "$hv/cusd.dat"

# A plug-in whose folders hold links, and whose lines name links.
v="$u/AppData/Roaming/Vendor"
mkdir -p "$v/Tool/sub" "$v/Files"
echo t > "$v/Tool/junk.dat"; echo t > "$v/Tool/sub/more.dat"
ln -s "$c/precious/p4" "$v/Tool/out"
echo t > "$v/Files/places.sqlite"; echo t > "$v/Files/x.tmp"
ln -s "$c/precious/p4" "$v/Files/out"
ln -s "$c/precious/p5" "$v/ToolLink"
mkdir -p "$hv/plus-in"
printf "[name]\r\nappname=Links\r\n[swich]\r\non=1\r\n[file]\r\n1=appdata,\\\\Vendor\\\\Files,places.sqlite\r\n2=appdata,\\\\Vendor\\\\ToolLink,junk.dat\r\n[fileext]\r\n1=appdata,\\\\Vendor\\\\Files,tmp\r\n2=appdata,\\\\Vendor\\\\ToolLink,tmp\r\n[folder]\r\n1=appdata,\\\\Vendor\\\\Tool\r\n2=appdata,\\\\Vendor\\\\ToolLink\r\n3=appdata,\\\\Vendor\\\\Tool\\\\out\r\n" > "$hv/plus-in/Links.hve"

# Every switch on.
"$HV_WINE" "C:\\Program Files\\Halvane\\halvanec.exe" --list > "$out/list" 2>&1
tr -d "\r" < "$out/list" | awk -F "\t" -f "$2" > "$hv/hvset.dat"

(cd "$c" && find . -path ./windows -prune -o -path ./hv-run -prune -o -type f -print | sort) > "$out/before"
echo "$W" > "$out/userpath"

# The holder takes held.tmp, the clean runs, then the holder lets go.
"$HV_WINE" "C:\\hv-run\\holdopen.exe" "$W\\Temp\\held.tmp" "C:\\hv-run\\holding" "C:\\hv-run\\release" &
holder=$!
for i in $(seq 1 100); do [[ -e $c/hv-run/holding ]] && break; sleep 0.1; done
[[ -e $c/hv-run/holding ]] && echo yes > "$out/held" || echo no > "$out/held"
"$HV_WINE" "C:\\Program Files\\Halvane\\halvanec.exe" --clean > "$out/clean" 2>&1
echo $? > "$out/status"
touch "$c/hv-run/release"
wait "$holder"
echo $? > "$out/holder"

(cd "$c" && find . -path ./windows -prune -o -path ./hv-run -prune -o -type f -print | sort) > "$out/after"
'

# hvset.dat from the item list: one section each (names match without regard to case, and
# only a section's first header is ever read), every key "1".
cat >"$work/switches.awk" <<'EOF'
NF >= 2 {
    group = tolower($1)
    if (!(group in keys)) order[++n] = $1
    keys[group] = keys[group] $2 "=1\r\n"
}
END { for (i = 1; i <= n; ++i) printf "[%s]\r\n%s", order[i], keys[tolower(order[i])] }
EOF

mkdir -p "$work/out"
"$root/tools/wine-sandbox" --copy "$app" 'C:\Program Files\Halvane' \
    --copy "$work/holdopen.exe" 'C:\hv-run\' \
    --host -- bash -c "$inside" inside "$work/out" "$work/switches.awk" >"$work/log" 2>&1

stays() { grep -qxF "./$1" "$work/out/after"; }
goes() { grep -qxF "./$1" "$work/out/before" && ! grep -qxF "./$1" "$work/out/after"; }
user=$(sed -n 's/.*\\users\\//p' "$work/out/userpath" 2>/dev/null | tr -d '\r')
u="users/$user"

check "every switch was set from the item list" test "$(grep -c . "$work/out/list" 2>/dev/null)" -gt 100
check "the second process held its file during the run" grep -qx yes "$work/out/held"
check "the clean completed" grep -q "Task complete Successfully!" "$work/out/clean"
check "halvanec --clean exited with 0" test "$(cat "$work/out/status" 2>/dev/null)" = 0
precious_before=$(grep -c '^./precious/' "$work/out/before" 2>/dev/null)
check "the precious folders were planted ($precious_before files)" test "${precious_before:-0}" -eq 88
check "every precious file stays" \
    test "$(grep -c '^./precious/' "$work/out/after" 2>/dev/null)" = "$precious_before"
missing=$(comm -23 <(grep '^./precious/' "$work/out/before") <(grep '^./precious/' "$work/out/after"))
[[ -n $missing ]] && echo "$missing" | head -n 20 | sed 's/^/    gone: /'

# The run really cleaned around the links.
check "the Firefox profile's history went" goes "$u/AppData/Roaming/Mozilla/Firefox/Profiles/x.default/places.sqlite"
check "a read-only file the named delete finds stays" stays "$u/AppData/Roaming/Mozilla/Firefox/Profiles/x.default/key3.db"
check "the temporary folder's plain file went" goes "$u/Temp/plain.tmp"
check "the temporary folder's sub-folder went" goes "$u/Temp/pkg/inner.tmp"
check "the emptied temporary folder took its read-only file" goes "$u/Temp/ro.tmp"
check "a read-only folder is emptied like any other" goes "$u/Temp/rodir/inside.tmp"
check "a file held open without sharing stays" stays "$u/Temp/held.tmp"
check "the custom folder's plain files went" goes "custom/folder/deeper/more.txt"
check "the custom folder's read-only file stays" stays "custom/folder/ro.txt"
check "the custom file went" goes "custom/single.txt"
check "the plug-in's folder was emptied" goes "$u/AppData/Roaming/Vendor/Tool/junk.dat"
check "the plug-in's named file went" goes "$u/AppData/Roaming/Vendor/Files/places.sqlite"
check "the plug-in's extension went" goes "$u/AppData/Roaming/Vendor/Files/x.tmp"
check "the second process ended normally" test "$(cat "$work/out/holder" 2>/dev/null)" = 0

if ((failed > 0)); then
    tail -n 40 "$work/log"
    tail -n 20 "$work/out/clean" 2>/dev/null
fi
echo "$passed passed, $failed failed"
((failed == 0))
