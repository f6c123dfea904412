#!/usr/bin/env bash
# Screenshots of the cleaning settings window under Wine, one per view of settings_shot.exe.
# Run it only inside the sandbox, with the program, the skin and the sample plug-ins copied in:
#
#   tools/wine-sandbox --xvfb \
#     --copy build/win-settings/tests/wine/settings_shot.exe 'C:\hv-run\' \
#     --copy packaging/app/skins 'C:\hv-run\' --copy packaging/app/plus-in 'C:\hv-run\' \
#     --host bash tests/wine/settings_shot.sh OUTPUT_FOLDER
#
# The pictures are OUTPUT_FOLDER/settings-N.png.
set -u
out=${1:?output folder}
mkdir -p "$out"
run="$HV_DRIVE_C/hv-run"
"$HV_WINE" explorer /desktop=hv,1024x768 'C:\hv-run\settings_shot.exe' >"$run/wine.log" 2>&1 &
pid=$!
for n in $(seq 1 9); do
    for _ in $(seq 1 120); do [ -f "$run/ready-$n.txt" ] && break; sleep 0.5; done
    sleep 0.5
    import -window root "$out/settings-$n.png"
    touch "$run/shot-$n.txt"
done
for _ in $(seq 1 40); do [ -f "$run/done.txt" ] && break; sleep 0.5; done
kill $pid 2>/dev/null
wait $pid 2>/dev/null
grep -v "^$" "$run/wine.log" | head -20
ls "$out"
