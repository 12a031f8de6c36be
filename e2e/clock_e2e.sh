#!/bin/bash
# The live clock under Wine on a private Xvfb, driven with xdotool and watched through
# screenshots and a recorded PulseAudio null sink: the hands show the time, a chime rings until
# the face is clicked, buttons show their icons on hover and play their sounds, the menu, the
# about window, Alt+F4, dragging and exit. Screenshots are kept in build/e2e/.
set -eu
. "$(dirname "$0")/lib.sh"

e2e_prepare_program
e2e_start_pulse
sox -n -r 44100 -c 1 -b 16 "$prog/beep.wav" synth 0.4 sine 660 vol 0.5
beep=$(winepath -w "$prog/beep.wav" 2>/dev/null)
# The shipped store names the standard Windows sound on one button; make it exist.
media="$WINEPREFIX/drive_c/windows/Media"
mkdir -p "$media"
cp "$prog/beep.wav" "$media/ding.wav"

# Rows of the last two items below the menu's top (the menu opens at the pointer), for the
# dialog font the Wine prefix maps to WenQuanYi Micro Hei.
exit_row=183
about_row=200
px() { python3 "$E2E_ROOT/e2e/pixels.py" "$@"; }
clock_alive() { kill -0 "$clock_pid" 2>/dev/null; }

# The heart stays still, so that it never lies under the pointer where the face is clicked.
write_config "[其它]
跳动的心=假
[整点报时]
整点是否报时=真
是否发声=真
声音路径=$beep
是否震动=真"

# 14:00:00 comes a while after the start (Wine takes its time under faketime).
wineserver -k 2>/dev/null || true
e2e_record_start chime
started=$(date +%s)
(cd "$prog" && exec env NO_FAKE_STAT=1 faketime '2026-12-08 13:59:40' wine ./horalune.exe) >"$E2E_WORK/wine.log" 2>&1 &
clock_pid=$!
E2E_PIDS="$E2E_PIDS $clock_pid"
win=$(e2e_wait_window Horalune 60) || e2e_fail "no Horalune window appeared"
# Wait until 14:00:08 in the clock's time: the chime rang at 14:00:00 and repeats since.
while [ $(($(date +%s) - started)) -lt 28 ]; do sleep 0.2; done
shot ringing
eval "$(xdotool getwindowgeometry --shell "$win")"
cx=$((X + 82))
cy=$((Y + 82))

# Hands: at 14:00:0x the hour hand points at 2 o'clock (-30 degrees), the minute hand up.
hour=$(px darkest "$E2E_WORK/ringing.ppm" $((cx + 35)) $((cy - 20)))
minute=$(px darkest "$E2E_WORK/ringing.ppm" "$cx" $((cy - 45)))
blank=$(px darkest "$E2E_WORK/ringing.ppm" $((cx - 18)) $((cy + 14)))
echo "hands: darkest at the hour hand $hour, the minute hand $minute, the empty side $blank"
[ "$hour" -lt 90 ] && [ "$minute" -lt 90 ] && [ "$blank" -gt 120 ] ||
    e2e_fail "the hands do not show 14:00 (see $shots/ringing.png)"

# A left press on the face silences the chime.
click_at=$(e2e_record_elapsed)
xdotool mousemove $((X + 60)) $((Y + 60)) click 1
sleep 2.5
e2e_record_stop
ringing_rms=$(e2e_rms chime "$(awk -v c="$click_at" 'BEGIN { print c - 3 }')" 2.5)
after_rms=$(e2e_rms chime "$(awk -v c="$click_at" 'BEGIN { print c + 0.8 }')" 1.5)
echo "chime: RMS $ringing_rms in the 3 s before the click (the file lasts 0.4 s), $after_rms after"
e2e_loud "$ringing_rms" || e2e_fail "the chime did not keep sounding"
e2e_quiet "$after_rms" || e2e_fail "the chime went on after a click on the face"

# Hovering a button shows its icon.
shot before-hover
xdotool mousemove $((X + 116)) $((Y + 24))  # button 1
sleep 0.7
shot hover
change=$(px diff "$E2E_WORK/before-hover.ppm" "$E2E_WORK/hover.ppm" $((X + 100)) $((Y + 8)) 32 32)
echo "hover: button 1 changed by $change on average"
awk -v c="$change" 'BEGIN { exit !(c > 8) }' || e2e_fail "hovering a button shows no icon"

# A right click on button 10 (its shipped sound is ding.wav) plays it once.
e2e_record_start button
sleep 0.3
xdotool mousemove $((X + 24)) $((Y + 49)) click 3
sleep 2
e2e_record_stop
button_rms=$(e2e_rms button 0.3 1.2)
late_rms=$(e2e_rms button 1.6 0.5)
echo "button sound: RMS $button_rms, then $late_rms"
e2e_loud "$button_rms" || e2e_fail "a right click on the button played nothing"
e2e_quiet "$late_rms" || e2e_fail "the button's sound did not stop by itself"

# The right-click menu.
xdotool mousemove $((X + 60)) $((Y + 60)) click 3
sleep 1
shot menu
opened=$(px diff "$E2E_WORK/hover.ppm" "$E2E_WORK/menu.ppm" $((X + 62)) $((Y + 62)) 80 200)
echo "menu: the area below the pointer changed by $opened"
awk -v c="$opened" 'BEGIN { exit !(c > 20) }' || e2e_fail "no menu opened (see $shots/menu.png)"
xdotool key Escape
sleep 0.5

# "关于", then "看够了".
xdotool mousemove $((X + 60)) $((Y + 60)) click 3
sleep 0.8
xdotool mousemove $((X + 100)) $((Y + 60 + about_row)) click 1
about=$(e2e_wait_window '关于 Horalune' 10) || e2e_fail "the about window did not open"
sleep 1
shot about
eval "$(xdotool getwindowgeometry --shell "$about")"
xdotool mousemove $((X + 176)) $((Y + 218)) click 1
sleep 1
xdotool search --onlyvisible --name '^关于 Horalune$' >/dev/null 2>&1 &&
    e2e_fail "看够了 did not close the about window"
echo "ok: 关于 opened the about window ($shots/about.png) and 看够了 closed it"

# Alt+F4 leaves the clock open.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + 60)) $((Y + 60))
xdotool key --window "$win" alt+F4
sleep 1
clock_alive && xdotool search --onlyvisible --name '^Horalune$' >/dev/null ||
    e2e_fail "Alt+F4 closed the clock"
echo "ok: Alt+F4 left the clock open"

# A left drag on the face moves the window.
before_x=$X
before_y=$Y
xdotool mousemove $((X + 60)) $((Y + 60)) mousedown 1
sleep 0.3
xdotool mousemove $((X + 90)) $((Y + 100))
sleep 0.3
xdotool mousemove $((X + 160)) $((Y + 180))
sleep 0.3
xdotool mouseup 1
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "drag: the window moved from $before_x,$before_y to $X,$Y"
[ "$X" -ne "$before_x" ] || [ "$Y" -ne "$before_y" ] || e2e_fail "dragging the face did not move it"
shot dragged

# "退出" ends the program, disarming the shutdown.
printf '[定时关机]\r\n%s\r\n' "$(printf '是否定时关机=真' | iconv -f UTF-8 -t GBK)" >>"$prog/config.ini"
xdotool mousemove $((X + 60)) $((Y + 60)) click 3
sleep 0.8
shot exit-menu
xdotool mousemove $((X + 100)) $((Y + 60 + exit_row)) click 1
for _ in $(seq 50); do clock_alive || break; sleep 0.1; done
clock_alive && e2e_fail "退出 did not end the program"
grep -q "$(printf '是否定时关机=假' | iconv -f UTF-8 -t GBK)" "$prog/config.ini" ||
    e2e_fail "退出 left the timed shutdown armed"
echo "ok: 退出 ended the program and config.ini holds 是否定时关机=假"
echo "clock_e2e: all checks passed"
