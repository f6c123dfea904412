#!/usr/bin/env bash
# The cases of bench/run, run on the host inside one Wine sandbox (tools/wine-sandbox --host):
# the environment gives HV_WINE, HV_DRIVE_C, HV_USER_FOLDER and the rest. Every tree is made
# afresh, the same way each time, right before the run that uses it, so that Halvane, the
# reference command and the Linux floor each start from an identical tree.
# Usage (from bench/run): cases.sh OUT_FOLDER RUNS SCALE [CASES]
#   OUT_FOLDER  receives one "case<TAB>side<TAB>run<TAB>value<TAB>files left<TAB>load" line per
#               timed run in samples.tsv, and the details of each run in log.txt
#   RUNS        timed runs per case and side
#   SCALE       divides every file count (1 for the real benchmark, 10 for a quick check)
#   CASES       comma-separated, of delete, clean, responsive, find (default all four)
set -euo pipefail

out=$1
runs=$2
scale=$3
cases=,${4:-delete,clean,responsive,find},
want() { [[ $cases == *,$1,* ]]; }
samples=$out/samples.tsv
log=$out/log.txt
: >"$samples"
: >"$log"

c=$HV_DRIVE_C
app="$c/Program Files/Halvane"
APP='C:\Program Files\Halvane'
bench=$c/hv-bench
B='C:\hv-bench'
floor=$HV_SANDBOX/floor
hvbench() { "$HV_WINE" "$B\\hvbench.exe" "$@" 2>>"$log"; }

# The server stays up for the whole run, so no case pays for its start.
"$HV_WINESERVER" -p
"$HV_WINE" --version >"$out/wine-version" 2>/dev/null || true
cd "$c"

load() { cut -d' ' -f1 /proc/loadavg; }
field() {  # field NAME LINE: the value of NAME=... in a line of hvbench output
    local name=$1 line=$2
    [[ " $line " =~ \ $name=([^ ]+)\  ]] && echo "${BASH_REMATCH[1]}"
}
files_in() { find "$@" -type f 2>/dev/null | wc -l; }
record() {  # record CASE SIDE RUN VALUE FILES_LEFT
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$1" "$2" "$3" "$4" "$5" "$(load)" >>"$samples"
    printf '%-14s %-9s run %s: %s (check %s, load %s)\n' "$1" "$2" "$3" "$4" "$5" \
        "$(load)" | tee -a "$log" >&2
}
host_ms() {  # host_ms COMMAND...: runs it, prints its wall time in milliseconds
    local begin end
    begin=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(((end - begin) / 1000000))
}

# Small files of a few sizes, 100 to 3000 bytes.
payload=()
for size in 100 300 700 1200 2000 3000 450 900; do
    payload+=("$(head -c "$size" /dev/zero | tr '\0' 'x')")
done
# files DIR COUNT NAME_STEM: COUNT files named STEM<n>.<ext> in DIR; every 50th is a .tmp, a
# few are .chk, .gid or .swp, the rest ordinary cache and page names.
files() {
    local dir=$1 count=$2 stem=$3 i ext
    local exts=(dat html js png css txt bin json)
    mkdir -p "$dir"
    for ((i = 0; i < count; i++)); do
        case $((i % 200)) in
        0 | 50 | 100 | 150) ext=tmp ;;
        25) ext=chk ;;
        75) ext=gid ;;
        125) ext=swp ;;
        *) ext=${exts[i % 8]} ;;
        esac
        printf '%s' "${payload[i % 8]}" >"$dir/$stem$i.$ext"
    done
}
# tree ROOT TOP SUB PER_FOLDER: TOP folders of SUB folders each, PER_FOLDER files in each leaf.
tree() {
    local root=$1 top=$2 sub=$3 per=$4 t s
    for ((t = 0; t < top; t++)); do
        for ((s = 0; s < sub; s++)); do files "$root/d$t/e$s" "$per" "f$t-$s-"; done
    done
}

# ---- DeleteAllFiles: 20,000 files in 200 folders ----
del_per=$((100 / scale))
del_files=$((200 * del_per))
if want delete; then
    for ((r = 1; r <= runs; r++)); do
        rm -rf "$bench/del"
        tree "$bench/del" 20 10 "$del_per"
        # A walk of the same tree by the named primitive that matches nothing: what its
        # yield after every file costs (the Chrome and Mozilla items walk their caches so).
        line=$(hvbench named "$B\\del" no-such-file.xyz)
        echo "halvane named walk: $line" >>"$log"
        record NamedWalk halvane "$r" "$(field ms "$line")" "$(files_in "$bench/del")"
        line=$(hvbench delete "$B\\del")
        echo "halvane delete: $line" >>"$log"
        record DeleteAllFiles halvane "$r" "$(field ms "$line")" "$(files_in "$bench/del")"

        rm -rf "$bench/del"
        tree "$bench/del" 20 10 "$del_per"
        line=$(hvbench run "cmd /c del /f /s /q $B\\del\\*")
        echo "cmd del: $line" >>"$log"
        record DeleteAllFiles reference "$r" "$(field ms "$line")" "$(files_in "$bench/del")"

        rm -rf "$floor"
        tree "$floor" 20 10 "$del_per"
        record DeleteAllFiles floor "$r" "$(host_ms rm -rf "$floor")" "$(files_in "$floor")"
    done
fi
rm -rf "$bench/del" "$floor"
echo "DeleteAllFiles files $del_files" >>"$out/files.txt"

# ---- The full clean: 50,000 files over the browser caches ----
L=$HV_USER_FOLDER/AppData/Local
R=$HV_USER_FOLDER/AppData/Roaming
ie_cache=$L/Microsoft/Windows/INetCache
chrome_cache="$L/Google/Chrome/User Data/Default/Cache"
firefox_cache=$L/Mozilla/Firefox/Profiles/abc.default/cache
opera_cache=$L/Opera/Opera/cache
mozilla_cache=$R/Mozilla/Profiles/default/k2d4.slt/Cache
caches=("$ie_cache" "$chrome_cache" "$firefox_cache" "$opera_cache" "$mozilla_cache")
profile() {
    local p
    for p in "${caches[@]}"; do rm -rf "$p"; done
    tree "$ie_cache/Content.IE5" 1 20 $((700 / scale))
    tree "$chrome_cache" 1 13 $((1000 / scale))
    tree "$firefox_cache" 1 16 $((750 / scale))
    tree "$opera_cache" 1 10 $((600 / scale))
    tree "$mozilla_cache" 1 10 $((500 / scale))
}
windows_path() {  # the Windows path of a host path on C:
    local rest=${1#"$c"/}
    echo "C:\\${rest//\//\\}"
}

# Every catalogue switch on; the windowed program also cleans at start-up and then ends.
"$HV_WINE" "$APP\\halvanec.exe" --list 2>>"$log" | tr -d '\r' >"$out/items.tsv"
{
    # One section each, in the order the sections first appear: a profile reader sees only
    # the first of two sections of one name.
    awk -F'\t' '
        !($1 in keys) { order[++n] = $1 }
        { keys[$1] = keys[$1] $2 "=1\r\n" }
        END { for (i = 1; i <= n; i++) printf "[%s]\r\n%s", order[i], keys[order[i]] }' \
        "$out/items.tsv"
    printf '[Options]\r\nWindowsStartup=1\r\nexit=1\r\n'
} >"$app/hvset.dat"
echo "switches on: $(wc -l <"$out/items.tsv")" >>"$log"

profile_files=$(
    profile
    files_in "${caches[@]}"
)
echo "FullClean files $profile_files" >>"$out/files.txt"
references=()
for p in "${caches[@]}"; do references+=("cmd /c del /f /s /q \"$(windows_path "$p")\\*\""); done

if want clean; then
    for ((r = 1; r <= runs; r++)); do
        profile
        line=$(hvbench run "\"$APP\\halvanec.exe\" --clean")
        echo "halvanec --clean: $line" >>"$log"
        record FullClean halvane "$r" "$(field ms "$line")" "$(files_in "${caches[@]}")"
        record PeakWorkingSet halvane "$r" "$(field peak_ws "$line")" "-"

        profile
        line=$(hvbench run "${references[@]}")
        echo "cmd del per cache: $line" >>"$log"
        record FullClean reference "$r" "$(field ms "$line")" "$(files_in "${caches[@]}")"

        # What the run costs beyond the caches: the same clean over empty caches.
        for p in "${caches[@]}"; do rm -rf "$p"; done
        line=$(hvbench run "\"$APP\\halvanec.exe\" --clean")
        echo "halvanec --clean, empty caches: $line" >>"$log"
        record EmptyClean halvane "$r" "$(field ms "$line")" "-"
    done
fi

# ---- Responsiveness: the main window during a start-up clean of the same profile ----
if want responsive; then
    for ((r = 1; r <= runs; r++)); do
        profile
        rm -f "$bench/probe.txt"
        timeout 600 "$HV_WINE" explorer /desktop=hv,1024x768 "$B\\hvbench.exe" probe "Halvane V6.50" \
            "$B\\probe.txt" "\"$APP\\halvane.exe\" min" >>"$log" 2>&1 || true
        { echo "probe:"; cat "$bench/probe.txt" 2>/dev/null; } >>"$log"
        line=$(head -n 1 "$bench/probe.txt" 2>/dev/null || echo "samples=0")
        record Responsive max "$r" "$(field max_ms "$line")" "$(files_in "${caches[@]}")"
        record Responsive p99 "$r" "$(field p99_ms "$line")" "-"
        record Responsive clean_max "$r" "$(field clean_max_ms "$line")" "-"
        record Responsive clean_p99 "$r" "$(field clean_p99_ms "$line")" "-"
        record Responsive samples "$r" "$(field samples "$line")" "-"
        record Responsive run_ms "$r" "$(field run_ms "$line")" "-"
    done
fi
for p in "${caches[@]}"; do rm -rf "$p"; done

# ---- FindFiles: 100,000 files with the default patterns ----
patterns=$(tr -d '\r' <"$app/Ext.txt" | paste -sd ';')
echo "patterns: $patterns" >>"$log"
if want find; then
    rm -rf "$bench/find"
    tree "$bench/find" 10 100 $((100 / scale))
    find_files=$(files_in "$bench/find")
    echo "FindFiles files $find_files" >>"$out/files.txt"
    dir_specs=""
    IFS=';' read -ra pattern_list <<<"$patterns"
    find_args=()
    for p in "${pattern_list[@]}"; do
        dir_specs+=" $B\\find\\$p"
        ((${#find_args[@]})) && find_args+=(-o)
        find_args+=(-iname "$p")
    done
    # Both sides must find the same files before their times mean anything.
    "$HV_WINE" cmd /c "dir /s /b$dir_specs > $B\\dir.txt" 2>>"$log" || true
    dir_hits=$(grep -c . "$bench/dir.txt" || true)
    floor_hits=$(find "$bench/find" -type f \( "${find_args[@]}" \) | wc -l)
    for ((r = 1; r <= runs; r++)); do
        line=$(hvbench find "$B\\find" "$patterns")
        echo "halvane find: $line" >>"$log"
        record FindFiles halvane "$r" "$(field ms "$line")" "$(field hits "$line")"

        line=$(hvbench run "cmd /c dir /s /b$dir_specs")
        echo "cmd dir: $line" >>"$log"
        record FindFiles reference "$r" "$(field ms "$line")" "$dir_hits"

        record FindFiles floor "$r" "$(host_ms find "$bench/find" -type f \( "${find_args[@]}" \))" \
            "$floor_hits"
    done
    rm -rf "$bench/find"
fi
"$HV_WINESERVER" -k || true
