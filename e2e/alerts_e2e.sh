#!/bin/bash
# The settings dialog, the reminder popup with its snooze and the timed shutdown's countdown,
# under Wine on a private Xvfb, driven with xdotool and watched through screenshots, the
# program's trace and config.ini. Screenshots are kept in build/e2e/.
set -eu
. "$(dirname "$0")/lib.sh"

e2e_prepare_program
log="$E2E_WORK/wine.log"

config_has() { iconv -f GBK -t UTF-8 "$prog/config.ini" | tr -d '\r' | grep -qx "$1"; }
clock_text() { printf '%02d:%02d:%02d' $(($1 / 3600)) $(($1 / 60 % 60)) $(($1 % 60)); }

# 1. The settings dialog opens from the clock's menu on each of its four pages. Rows of the
# items below the menu's top (the menu opens at the pointer) for the prefix's dialog font.
# The heart stays still, so that it never lies under the pointer where the menu is asked for.
write_config "[其它]
时钟状态=显示
跳动的心=假
[整点报时]
整点是否报时=真
震动级别=3
[定时提醒]
是否定时提醒=假
提醒文字=开会
[定时关机]
关机方式=2
倒计时间=30"
start_clock
sleep 2
page=0
open_page() {  # $1: row of the item
    xdotool mousemove $((cx + 60)) $((cy + 60)) click 3
    sleep 0.8
    xdotool mousemove $((cx + 100)) $((cy + 60 + $1)) click 1
    e2e_wait_window "Horalune 配置" 5
}
for row in 97 114 140 157; do
    dialog=$(open_page "$row") || {
        shot settings-failed
        grep -a "horalune: " "$log" | grep -v dispatch_exception | tail -8
        e2e_fail "page $page: the settings dialog did not open (see $shots/settings-failed.png)"
    }
    sleep 1.5
    shot "settings-page$page"
    xdotool key Escape  # to the focused dialog: a key sent to a window that goes away sticks under Wine
    sleep 1
    xdotool search --onlyvisible --name '^Horalune 配置$' >/dev/null 2>&1 &&
        e2e_fail "page $page: Esc did not close the dialog"
    echo "ok: page $page opened from the menu ($shots/settings-page$page.png) and Esc closed it"
    page=$((page + 1))
done

# 2. The reminder pops up at its time with its text; a snooze through the popup stores the new
# time and the edited text.
kill "$clock_pid" 2>/dev/null || true
write_config "[定时提醒]
是否定时提醒=真
提醒时间=2000年1月1日$(at 25)
是否文字提醒=真
提醒文字=Horalune e2e reminder"
start_clock
popup=$(wait_window_of_designed_size 208 117 60) || e2e_fail "the reminder popup did not open"
sleep 1
shot reminder-popup
eval "$(xdotool getwindowgeometry --shell "$popup")"
px=$X
py=$Y
echo "ok: the reminder popup opened at $px,$py ($shots/reminder-popup.png)"
xdotool mousemove $((px + 100)) $((py + 50)) click 1
xdotool key ctrl+Home shift+ctrl+End
xdotool type --delay 30 "snoozed text"
sleep 0.3
# The list opens on a click and shows the ten presets, 13 pixels each, below the box;
# "10分钟后" is the fourth.
xdotool mousemove $((px + 50)) $((py + 100)) click 1
sleep 0.8
shot snooze-list
# The snooze counts from the moment of the pick, somewhere between now and the answer.
earliest=$(seconds_of_day "$(date -d '+10 minutes' '+%H:%M:%S')")
xdotool mousemove $((px + 30)) $((py + 118 + 3 * 13 + 6)) click 1
wait_trace 'question' 1 10 || e2e_fail "the snooze asked nothing"
sleep 0.8
shot snooze-question
xdotool key Return
latest=$(seconds_of_day "$(date -d '+10 minutes' '+%H:%M:%S')")
sleep 1.5
config_has "提醒文字=snoozed text" || e2e_fail "the snooze did not store the edited text"
stored=$(iconv -f GBK -t UTF-8 "$prog/config.ini" | tr -d '\r' | sed -n 's/^提醒时间=2000年1月1日//p')
echo "snooze: 提醒时间 now $stored, expected from $(clock_text "$earliest") to $(clock_text "$latest")"
[[ "$stored" =~ ^[0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] || e2e_fail "the snooze stored \"$stored\""
# Within the span, which may run past midnight.
got=$(seconds_of_day "$stored")
[ $(((got - earliest + 86400) % 86400)) -le $(((latest - earliest + 86400) % 86400)) ] ||
    e2e_fail "the snooze stored $stored"
window_of_designed_size 208 117 >/dev/null && e2e_fail "the popup stayed open after the snooze"
echo "ok: the snooze stored the new time and text and closed the popup"

# 3. A timed log-off a few seconds ahead: the countdown prompt, then the session ends.
kill "$clock_pid" 2>/dev/null || true
write_config "[定时关机]
是否定时关机=真
关机时间=2000年1月1日$(at 30)
关机方式=3
是否强制关闭=假
是否倒计时=真
倒计时间=8"
start_clock
prompt=$(wait_window_of_designed_size 207 191 60) || e2e_fail "the countdown prompt did not open"
sleep 2.5
shot countdown
echo "ok: the countdown prompt opened ($shots/countdown.png)"
wait_trace 'power operation 3 not forced' 1 20 || e2e_fail "no log-off was requested"
for _ in $(seq 300); do clock_alive || break; sleep 0.1; done
clock_alive && e2e_fail "the log-off did not end the program"
echo "ok: the log-off was requested at the shutdown time and ended the Wine session"
echo "alerts_e2e: all checks passed"
