#!/bin/bash
# The digital clock, the appearance and button pages, auto-hide and the dial-up window under
# Wine on a private Xvfb, driven with xdotool and watched through screenshots and config.ini.
# Screenshots are kept in build/e2e/.
set -eu
. "$(dirname "$0")/lib.sh"

e2e_prepare_program
log="$E2E_WORK/wine.log"
config_value() {  # $1: key; the first item of that name
    iconv -f GBK -t UTF-8 "$prog/config.ini" | tr -d '\r' | sed -n "s/^$1=//p" | head -n 1
}
px() { python3 "$E2E_ROOT/e2e/pixels.py" "$@"; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# The heart stays still so that it never lies under the pointer; the clock starts at the top
# edge and hides there.
write_config "[其它]
跳动的心=假
[时钟配置]
自动隐藏=真
[数字钟配置]
类型=时间"
wineserver -k 2>/dev/null || true
(cd "$prog" && exec env WINEDEBUG=fixme-all,warn+seh wine ./horalune.exe) >"$log" 2>&1 &
E2E_PIDS="$E2E_PIDS $!"
clock=$(e2e_wait_window Horalune 60) || e2e_fail "no Horalune window appeared"

# 1. Auto-hide: with the pointer away the clock leaves a 2-pixel strip at the top; touching the
# strip brings it back.
xdotool mousemove 300 500
sleep 1.5
geometry "$clock"
echo "auto-hide: with the pointer away the clock is at $X,$Y"
[ "$Y" -eq $((2 - 164)) ] || e2e_fail "the clock did not hide at the top edge (top $Y)"
xdotool mousemove $((X + 82)) 1
sleep 1.5
geometry "$clock"
[ "$Y" -eq 0 ] || e2e_fail "touching the strip did not bring the clock back (top $Y)"
echo "ok: auto-hide hid the clock to a 2-pixel strip at the top and brought it back"
# The same at the left edge, where the clock is dragged to (the pointer stays on it meanwhile).
xdotool mousemove $((X + 60)) 60 mousedown 1
sleep 0.3
xdotool mousemove 200 200
sleep 0.3
xdotool mousemove 60 360
sleep 0.3
xdotool mouseup 1
sleep 0.5
geometry "$clock"
[ "$X" -eq 0 ] || e2e_fail "the clock was not dragged to the left edge (left $X)"
xdotool mousemove 500 600
sleep 1.5
geometry "$clock"
echo "auto-hide: at the left edge with the pointer away the clock is at $X,$Y"
[ "$X" -eq $((2 - 164)) ] || e2e_fail "the clock did not hide at the left edge (left $X)"
xdotool mousemove 1 $((Y + 82))
sleep 1.5
geometry "$clock"
[ "$X" -eq 0 ] || e2e_fail "touching the left strip did not bring the clock back (left $X)"
echo "ok: auto-hide hid the clock to a 2-pixel strip at the left edge and brought it back"
menu() {  # $1: row of the item below the pointer
    geometry "$clock"
    xdotool mousemove $((X + 60)) $((Y + 60)) click 3
    sleep 0.8
    xdotool mousemove $((X + 100)) $((Y + 60 + $1)) click 1
}
cx=$X
cy=$Y
# "自动隐藏", the first item, switches it off again.
menu 11
sleep 1
[ "$(config_value 自动隐藏)" = 假 ] || e2e_fail "自动隐藏 in the menu did not switch auto-hide off"
xdotool mousemove 300 500
sleep 1
geometry "$clock"
[ "$X" -eq 0 ] || e2e_fail "the clock hid with auto-hide off (left $X)"
echo "ok: 自动隐藏 in the menu switched auto-hide off"

# 2. The digital clock opens from the menu at (50, 0) showing the time; a click in its right
# zone widens it by 5 pixels and config.ini holds the new width.
menu 71
digital=$(e2e_wait_window 'Horalune 数字钟' 10) || e2e_fail "the digital clock did not open"
sleep 1.5
geometry "$digital"
echo "digital clock: $X,$Y ${WIDTH}x$HEIGHT"
# Out of the way of the tray window that Wine keeps at the top left and of the dialog.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) mousedown 1
sleep 0.3
xdotool mousemove 300 450
sleep 0.3
xdotool mousemove 320 470
sleep 0.3
xdotool mouseup 1
sleep 1
geometry "$digital"
dx=$X
dy=$Y
w=$WIDTH
shot digital
echo "ok: the digital clock opened and was dragged to $dx,$dy ($shots/digital.png)"
xdotool mousemove $((dx + w - 5)) $((dy + HEIGHT / 2)) click 1
sleep 1
geometry "$digital"
[ "$WIDTH" -eq $((w + 5)) ] || e2e_fail "a click in the right zone did not widen it ($w -> $WIDTH)"
sleep 0.5
[ "$(config_value 宽度)" = "$WIDTH" ] || { iconv -f GBK -t UTF-8 "$prog/config.ini"; e2e_fail "config.ini holds 宽度=$(config_value 宽度)"; }
echo "ok: a click in the right zone widened the digital clock to $WIDTH, written to config.ini"

# 3. The appearance page: a new text colour shows on the digital clock at once.
xdotool mousemove $((cx + 60)) $((cy + 60))
menu 114
dialog=$(e2e_wait_window 'Horalune 配置' 10) || e2e_fail "the appearance page did not open"
sleep 1
geometry "$dialog"
xdotool mousemove $((X + 133)) $((Y + 188)) click 1  # 前景色
colour=$(e2e_wait_window Color 10) || e2e_fail "no colour dialog opened"
sleep 1
geometry "$colour"
shot colour-dialog
xdotool mousemove $((X + 18)) $((Y + 75)) click 1  # red
sleep 0.3
xdotool mousemove $((X + 45)) $((Y + 301)) click 1  # OK
sleep 2
shot digital-red
[ "$(config_value 文本颜色)" = 255 ] || e2e_fail "文本颜色 is $(config_value 文本颜色), not red"
red=$(python3 - "$E2E_WORK/digital-red.ppm" "$dx" "$dy" "$((w + 5))" 40 <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
parts = data.split(maxsplit=4)
width = int(parts[1])
pixels = parts[4]
x0, y0, w, h = map(int, sys.argv[2:6])
count = 0
for y in range(y0, y0 + h):
    for x in range(x0, x0 + w):
        r, g, b = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
        count += r > 180 and g < 80 and b < 80
print(count)
PY
)
echo "appearance: $red red pixels on the digital clock"
[ "$red" -gt 50 ] || e2e_fail "the digital clock's text did not turn red (see $shots/digital-red.png)"
xdotool key Escape  # to the focused dialog: a key sent to a window that goes away sticks under Wine
sleep 1
echo "ok: the text colour chosen on the appearance page showed at once"

# 4. The button page: the preset "计算器" on button 1, applied, shows its icon on hover.
hover() {
    geometry "$clock"
    xdotool mousemove $((X + 60)) $((Y + 60))
    sleep 0.5
    xdotool mousemove $((X + 116)) $((Y + 24))
    sleep 0.8
    shot "$1"
}
hover hover-before
menu 97
dialog=$(e2e_wait_window "Horalune 配置" 10) || { shot button-failed; grep -a "horalune: " "$log" | grep -v dispatch_exception | tail -6; e2e_fail "the button page did not open"; }
sleep 1
geometry "$dialog"
xdotool mousemove $((X + 338)) $((Y + 95)) click 1  # 组合框1, the preset list
sleep 0.8
xdotool mousemove $((X + 320)) $((Y + 107 + 6 * 13 + 6)) click 1  # "计算器"
sleep 1
shot button-page
xdotool mousemove $((X + 90)) $((Y + 261)) click 1  # 功德圆满
sleep 1.5
xdotool search --onlyvisible --name '^Horalune 配置$' >/dev/null 2>&1 &&
    e2e_fail "功德圆满 did not close the dialog"
hover hover-after
geometry "$clock"
change=$(px diff "$E2E_WORK/hover-before.ppm" "$E2E_WORK/hover-after.ppm" $((X + 100)) $((Y + 8)) 32 32)
echo "button page: button 1's hover icon changed by $change"
awk -v c="$change" 'BEGIN { exit !(c > 8) }' || e2e_fail "the applied icon does not show on hover"
echo "ok: the button page applied the preset and the clock shows its icon ($shots/hover-after.png)"

# 5. The dial-up window opens from the "上网下网" button (button 11 of the shipped store).
xdotool mousemove $((X + 47)) $((Y + 25)) click 1
dial=$(e2e_wait_window '.*准备上网了.*' 10) || e2e_fail "the dial-up window did not open"
sleep 1
shot dialup
echo "ok: the dial-up window opened from the 上网下网 button ($shots/dialup.png)"
echo "desktop_e2e: all checks passed"
