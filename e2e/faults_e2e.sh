#!/bin/bash
# Keys in the reminder popup's dropped preset list and the dial-up window's masked password,
# under Wine on a private Xvfb, driven with xdotool and watched through config.ini and
# screenshots (kept in build/e2e/).
set -eu
. "$(dirname "$0")/lib.sh"

e2e_prepare_program
log="$E2E_WORK/wine.log"

px() { python3 "$E2E_ROOT/e2e/pixels.py" "$@"; }
clock_text() { printf '%02d:%02d:%02d' $(($1 / 3600)) $(($1 / 60 % 60)) $(($1 % 60)); }

# 1. The reminder popup's list, opened with the mouse, then moved through with the keys: the
# snooze takes the highlighted preset ($3 minutes), never the item the caption left behind.
snooze_with_keys() {  # $1: name, $2: keys, $3: minutes
    kill "$clock_pid" 2>/dev/null || true
    write_config "[其它]
跳动的心=假
[定时提醒]
是否定时提醒=真
提醒时间=2000年1月1日$(at 12)
是否文字提醒=真
提醒文字=faults e2e"
    start_clock
    local popup
    popup=$(wait_window_of_designed_size 208 117 40) || e2e_fail "$1: the reminder popup did not open"
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$popup")"
    xdotool mousemove $((X + 50)) $((Y + 100)) click 1
    sleep 0.8
    shot "snooze-$1-dropped"
    local earliest latest stored got
    earliest=$(seconds_of_day "$(date -d "+$3 minutes" '+%H:%M:%S')")
    # shellcheck disable=SC2086
    xdotool key --delay 150 $2
    sleep 0.3
    shot "snooze-$1-highlight"
    xdotool key Return
    wait_trace 'question' 1 10 || e2e_fail "$1: the snooze asked nothing"
    sleep 0.8
    shot "snooze-$1-question"
    xdotool key Return
    latest=$(seconds_of_day "$(date -d "+$3 minutes" '+%H:%M:%S')")
    sleep 1.5
    stored=$(iconv -f GBK -t UTF-8 "$prog/config.ini" | tr -d '\r' |
        sed -n 's/^提醒时间=2000年1月1日//p')
    echo "$1: 提醒时间 now $stored, expected from $(clock_text "$earliest") to $(clock_text "$latest")"
    [[ "$stored" =~ ^[0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] || e2e_fail "$1: the snooze stored \"$stored\""
    got=$(seconds_of_day "$stored")
    [ $(((got - earliest + 86400) % 86400)) -le $(((latest - earliest + 86400) % 86400)) ] ||
        e2e_fail "$1: the snooze stored $stored, not $3 minutes on ($shots/snooze-$1-highlight.png)"
    window_of_designed_size 208 117 >/dev/null && e2e_fail "$1: the popup stayed open after the snooze"
    echo "ok: $1 in the dropped list snoozed $3 minutes"
}
clock_pid=
snooze_with_keys home Home 1
snooze_with_keys down-down "Down Down" 3

# 2. The dial-up window (button 11 of the shipped store) masks its password: two texts of
# very different widths look the same, bullet for bullet.
kill "$clock_pid" 2>/dev/null || true
write_config "[其它]
跳动的心=假"
start_clock
sleep 1
eval "$(xdotool getwindowgeometry --shell "$clock")"
xdotool mousemove $((X + 47)) $((Y + 25)) click 1
dial=$(e2e_wait_window '.*准备上网了.*' 10) || e2e_fail "the dial-up window did not open"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$dial")"
dx=$X
dy=$Y
type_password() {  # $1: text, $2: screenshot name
    xdotool mousemove $((dx + 150)) $((dy + 113)) click 1
    xdotool key End shift+Home BackSpace
    [ -z "$1" ] || xdotool type --delay 40 "$1"
    sleep 0.5
    shot "$2"
}
box() { px diff "$E2E_WORK/$1.ppm" "$E2E_WORK/$2.ppm" $((dx + 95)) $((dy + 104)) 118 18; }
type_password "" password-empty
type_password "iiiiiiii" password-narrow
type_password "WWWWWWWW" password-wide
typed=$(box password-empty password-wide)
change=$(box password-narrow password-wide)
echo "password box: typing changed it by $typed; \"iiiiiiii\" and \"WWWWWWWW\" differ by $change"
awk -v c="$typed" 'BEGIN { exit !(c > 2) }' || e2e_fail "the password box shows nothing typed"
awk -v c="$change" 'BEGIN { exit !(c < 0.5) }' ||
    e2e_fail "the password box shows its text ($shots/password-wide.png)"
echo "ok: the password box masks what is typed ($shots/password-wide.png)"

# 3. The tray icon (in Wine's tray window at the top left): a left click brings back a clock
# hidden through the menu; while the about window is open it only brings that window forward.
kill "$clock_pid" 2>/dev/null || true
write_config "[其它]
跳动的心=假"
start_clock
sleep 2
eval "$(xdotool getwindowgeometry --shell "$clock")"
cx=$X
cy=$Y
config_has() { iconv -f GBK -t UTF-8 "$prog/config.ini" | tr -d '\r' | grep -qx "$1"; }
menu_at() {  # $1: row of the item below the menu's top (the menu opens at the pointer)
    xdotool mousemove $((cx + 60)) $((cy + 60)) click 3
    sleep 0.8
    shot "menu-$1"
    xdotool mousemove $((cx + 100)) $((cy + 60 + $1)) click 1
    sleep 1
}
tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' | head -n 1) ||
    e2e_fail "no tray window"
eval "$(xdotool getwindowgeometry --shell "$tray")"
tray_x=$((X + 12))
tray_y=$((Y + 31))
menu_at 54  # "隐藏时钟", item 4
xdotool search --onlyvisible --name '^Horalune$' >/dev/null 2>&1 &&
    e2e_fail "隐藏时钟 did not hide the clock ($shots/menu-54.png)"
config_has "时钟状态=隐藏" || e2e_fail "隐藏时钟 did not write 时钟状态=隐藏"
xdotool mousemove "$tray_x" "$tray_y" click 1
e2e_wait_window Horalune 5 >/dev/null || e2e_fail "a left click on the tray icon left the clock hidden"
config_has "时钟状态=显示" || e2e_fail "the tray click did not write 时钟状态=显示"
shot tray-shown
echo "ok: a left click on the tray icon brought the hidden clock back ($shots/tray-shown.png)"
menu_at 200  # "关于", item 14
e2e_wait_window '关于 Horalune' 5 >/dev/null || e2e_fail "the about window did not open"
menus=$(traced 'menu shown')
forward=$(traced 'modal window brought forward')
xdotool mousemove "$tray_x" "$tray_y" click 3
sleep 1
by_tray=$(($(traced 'modal window brought forward') - forward))
xdotool mousemove $((cx + 60)) $((cy + 60)) click 3
sleep 1
by_face=$(($(traced 'modal window brought forward') - forward - by_tray))
shot modal-held
echo "about window: brought forward $by_tray times by the tray icon, $by_face by the clock"
[ "$(traced 'menu shown')" -eq "$menus" ] ||
    e2e_fail "a menu opened while the about window was open ($shots/modal-held.png)"
[ "$by_tray" -ge 1 ] && [ "$by_face" -ge 1 ] || e2e_fail "the about window was not brought forward"
echo "ok: while the about window was open the tray icon and the clock only brought it forward"
echo "faults_e2e: all checks passed"
