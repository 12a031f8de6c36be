#!/bin/bash
# The release zip as a Windows user gets it: scripts/package.sh makes it, it is unzipped into a
# fresh folder and started from there under Wine on a private Xvfb. Resting on button 1 shows
# its icon and then its tooltip, a click starts its program. Screenshots go to build/e2e/.
set -eu
. "$(dirname "$0")/lib.sh"

shots="$E2E_ROOT/build/e2e"
mkdir -p "$shots"
"$E2E_ROOT/scripts/package.sh" >"$E2E_WORK/package.log" 2>&1 ||
    { tail -20 "$E2E_WORK/package.log"; e2e_fail "scripts/package.sh failed"; }
zip=$(sed -n 's|^package: wrote \(.*\)$|\1|p' "$E2E_WORK/package.log")
[ -f "$E2E_ROOT/$zip" ] || e2e_fail "no zip named in the packager's output"
echo "ok: $zip made"

# One folder with everything the program needs, nothing else.
unzipped="$E2E_WORK/unzipped"
mkdir -p "$unzipped"
python3 -m zipfile -e "$E2E_ROOT/$zip" "$unzipped"
folders=$(ls "$unzipped")
[ "$(echo "$folders" | wc -l)" -eq 1 ] || e2e_fail "the zip holds more than one top folder: $folders"
prog="$unzipped/$folders"
listing=$(cd "$prog" && ls | sort | tr '\n' ' ')
[ "$listing" = "README.txt config.ini horalune.exe icon.bmp 图标资源.hrs " ] ||
    e2e_fail "the zip's folder holds: $listing"
grep -q "退出" "$prog/README.txt" && grep -q "config.ini" "$prog/README.txt" ||
    e2e_fail "the read-me says nothing of exiting or config.ini"
echo "ok: one folder $folders holding $listing"

shot() {
    import -window root "$shots/package-$1.png"
    convert "$shots/package-$1.png" "$E2E_WORK/$1.ppm"
}
px() { python3 "$E2E_ROOT/e2e/pixels.py" "$@"; }

e2e_start_display
xsetroot -solid '#dfe7ef' 2>/dev/null || true
log="$E2E_WORK/wine.log"
(cd "$prog" && exec env WINEDEBUG=fixme-all,warn+seh wine ./horalune.exe) >"$log" 2>&1 &
E2E_PIDS="$E2E_PIDS $!"
win=$(e2e_wait_window Horalune 60) || e2e_fail "no Horalune window appeared"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$win")"
# Away from the clock first, so the pointer comes onto the button as a user's would.
xdotool mousemove $((X + 300)) $((Y + 300))
sleep 1
shot before
traced() { grep -a "horalune: $1" "$log" >/dev/null; }

# Button 1 (one o'clock): its icon at once, its tooltip after the desktop's delay.
xdotool mousemove $((X + 112)) $((Y + 20))
sleep 0.3
xdotool mousemove $((X + 116)) $((Y + 24))
sleep 2
shot tooltip
icon=$(px diff "$E2E_WORK/before.ppm" "$E2E_WORK/tooltip.ppm" $((X + 100)) $((Y + 8)) 32 32)
echo "hover: button 1 changed by $icon on average"
awk -v c="$icon" 'BEGIN { exit !(c > 8) }' || e2e_fail "hovering button 1 shows no icon"
# (The debugger output escapes the Chinese text; button 1's place names it.)
traced 'tooltip .* at 100,8' || { grep -a "horalune: " "$log" | tail -5; e2e_fail "no tooltip was set for button 1"; }
# The tip lies below the pointer, partly beside the clock: that strip changed.
tip=$(px diff "$E2E_WORK/before.ppm" "$E2E_WORK/tooltip.ppm" $((X + 116)) $((Y + 40)) 120 40)
echo "tooltip: the strip below the pointer changed by $tip on average"
awk -v c="$tip" 'BEGIN { exit !(c > 4) }' || e2e_fail "no tooltip showed (see $shots/package-tooltip.png)"
echo "ok: button 1 shows its icon and its tooltip"

# A click starts its program (notepad.exe).
xdotool click 1
for _ in $(seq 100); do traced "process started notepad.exe" && break; sleep 0.1; done
traced "process started notepad.exe" || e2e_fail "clicking button 1 started nothing"
pad=
for _ in $(seq 150); do
    pad=$(xdotool search --onlyvisible --name "Notepad|记事本" 2>/dev/null | head -n 1) || true
    [ -n "$pad" ] && break
    sleep 0.2
done
shot clicked
[ -n "$pad" ] || e2e_fail "no Notepad window appeared (see $shots/package-clicked.png)"
echo "ok: a click on button 1 started notepad.exe, whose window appeared"
