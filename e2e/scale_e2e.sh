#!/bin/bash
# The real horalune.exe under Wine at 100 %, 150 % and 200 % (the prefix's LogPixels 96, 144 and
# 192, each in a copy of the prefix of its own): at 150 % and 200 % the analog clock's window
# is 1.5 x / 2 x its size (246 / 328), cut round, and its face drawn at that size (no pixel
# repeated as a stretched picture repeats them). At each scale it takes a screenshot of every
# window: the analog and digital clocks, the settings dialog on its four pages, the reminder
# popup, the countdown prompt, the about window and the dial-up window
# (build/e2e/scale-<dpi>-<window>.png). Every check runs at every scale; failures are counted
# and the script fails at the end.
set -eu
. "$(dirname "$0")/lib.sh"

e2e_prepare_program
log="$E2E_WORK/wine.log"
base_prefix=$WINEPREFIX
failures=0
check_failed() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
px() { python3 "$E2E_ROOT/e2e/pixels.py" "$@"; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
scaled() { echo $((($1 * dpi + 48) / 96)); }  # a designed length at this scale

# A copy of the prefix at this dpi. Hard links share the big files that Wine only reads; the
# registry (which Wine replaces whole when it saves) and the user folders are real copies.
use_prefix() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    local p=$E2E_WORK/prefix-$dpi
    cp -al "$base_prefix" "$p"
    for f in system.reg user.reg userdef.reg; do
        rm -f "$p/$f"
        [ ! -f "$base_prefix/$f" ] || cp "$base_prefix/$f" "$p/$f"
    done
    rm -rf "$p/drive_c/users"
    cp -a "$base_prefix/drive_c/users" "$p/drive_c/users"
    export WINEPREFIX=$p
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w  # the registry is saved and the next start reads the new dpi
}

# The clock's menu, an item picked with the keys (the items below, separators not counted),
# so the rows' heights at this scale do not matter.
menu_item() {
    geometry "$clock"
    xdotool mousemove $((X + $(scaled 60))) $((Y + $(scaled 60))) click 3
    sleep 0.8
    for _ in $(seq $(($1 + 1))); do xdotool key Down; done
    xdotool key Return
}
# Windows made without a title (the reminder popup, the countdown prompt), as the trace
# shows them, one line each.
untitled() { grep -c 'OutputDebugStringA "horalune: window [0-9]* \\"\\" created' "$log" 2>/dev/null || true; }
wait_untitled() {  # $1: how many, $2: seconds
    for _ in $(seq $(($2 * 10))); do
        [ "$(untitled)" -ge "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
readonly kShowDigital=3 kButtonPage=4 kClockPage=5 kReminderPage=6 kShutdownPage=7 kAbout=9

close_focused() {  # Esc to the focused window, which then must be gone
    xdotool key Escape
    sleep 1
}

one_scale() {
    local tag=scale-$dpi
    echo "--- $dpi dpi"
    use_prefix
    rm -f "$prog/config.ini"
    # The reminder and the countdown come late enough for everything before them; the heart
    # stays still so the face is the same in every screenshot.
    write_config "[其它]
跳动的心=假
[定时提醒]
是否定时提醒=真
提醒时间=2000年1月1日$(at 150)
是否文字提醒=真
提醒文字=Horalune scale check
[定时关机]
是否定时关机=真
关机时间=2000年1月1日$(at 175)
关机方式=3
是否强制关闭=假
是否倒计时=真
倒计时间=60"
    shot "$tag-desktop"
    mv "$E2E_WORK/$tag-desktop.ppm" "$E2E_WORK/desktop.ppm"
    start_clock
    sleep 3
    geometry "$clock"
    local want
    want=$(scaled 164)
    shot "$tag-analog"
    echo "analog clock: ${WIDTH}x$HEIGHT at $X,$Y (want ${want}x$want)"
    [ "$WIDTH" -eq "$want" ] && [ "$HEIGHT" -eq "$want" ] ||
        check_failed "$dpi dpi: the analog clock is ${WIDTH}x$HEIGHT, not ${want}x$want"
    # Cut round: the corners show the desktop that was there before, the centre does not.
    local corners=0 d screen_w screen_h
    read -r screen_w screen_h < <(xdotool getdisplaygeometry)
    for c in "2 2" "$((WIDTH - 8)) 2" "2 $((HEIGHT - 8))" "$((WIDTH - 8)) $((HEIGHT - 8))"; do
        set -- $c
        # The designed place may leave part of the window beyond the screen's edge at a scale.
        [ $((X + $1 + 6)) -le "$screen_w" ] && [ $((Y + $2 + 6)) -le "$screen_h" ] || continue
        d=$(px diff "$E2E_WORK/desktop.ppm" "$E2E_WORK/$tag-analog.ppm" $((X + $1)) $((Y + $2)) 6 6)
        awk -v d="$d" 'BEGIN { exit !(d < 1) }' || corners=$((corners + 1))
    done
    d=$(px diff "$E2E_WORK/desktop.ppm" "$E2E_WORK/$tag-analog.ppm" \
        $((X + WIDTH / 2 - 10)) $((Y + HEIGHT / 2 - 10)) 20 20)
    echo "mask: $corners of 4 corners covered, centre changed by $d"
    [ "$corners" -eq 0 ] || check_failed "$dpi dpi: $corners corners of the window are not cut away"
    awk -v d="$d" 'BEGIN { exit !(d > 8) }' || check_failed "$dpi dpi: the clock does not show"
    # Sharp: the measure must tell a stretched face, so it is shown on this very face blown
    # up by the same factor, then taken on the face as shown.
    local sharp stretched
    sharp=$(python3 "$E2E_ROOT/e2e/sharpness.py" "$E2E_WORK/$tag-analog.ppm" "$X" "$Y" "$WIDTH")
    echo "face as shown: $sharp"
    if [ "$dpi" -ne 96 ]; then
        stretched=$(python3 "$E2E_ROOT/e2e/sharpness.py" "$E2E_WORK/scale-96-analog.ppm" \
            "$face96_x" "$face96_y" 164 --stretch "$(awk -v d="$dpi" 'BEGIN { print d / 96 }')")
        echo "the 100 % face stretched: $stretched"
        set -- $stretched
        awk -v a="$2" -v b="$3" 'BEGIN { exit !(a > 0.25 && b > 0.25) }' ||
            check_failed "$dpi dpi: the sharpness measure does not tell a stretched face"
    else
        face96_x=$X
        face96_y=$Y
    fi
    set -- $sharp
    awk -v a="$2" -v b="$3" 'BEGIN { exit !(a < 0.2 && b < 0.2) }' ||
        check_failed "$dpi dpi: the face repeats pixels like a stretched picture ($sharp)"

    # The digital clock.
    menu_item "$kShowDigital"
    if e2e_wait_window 'Horalune 数字钟' 10 >/dev/null; then
        sleep 1
        shot "$tag-digital"
    else
        check_failed "$dpi dpi: the digital clock did not open"
    fi

    # The settings dialog on each page.
    for page in $kButtonPage $kClockPage $kReminderPage $kShutdownPage; do
        menu_item "$page"
        if e2e_wait_window 'Horalune 配置' 10 >/dev/null; then
            sleep 1.5
            shot "$tag-settings-$page"
            close_focused
            xdotool search --onlyvisible --name '^Horalune 配置$' >/dev/null 2>&1 &&
                { check_failed "$dpi dpi: Esc did not close the settings dialog"; break; }
        else
            shot "$tag-no-settings-$page"
            check_failed "$dpi dpi: menu item $page opened no settings dialog"
        fi
    done

    # The about window.
    menu_item "$kAbout"
    if about=$(e2e_wait_window '关于 Horalune' 10); then
        sleep 1
        shot "$tag-about"
        # "看够了": the window is modal and Esc does not close it; while it is open a click
        # on the clock only brings it forward.
        geometry "$about"
        xdotool mousemove $((X + $(scaled 176))) $((Y + $(scaled 218))) click 1
        sleep 1
        xdotool search --onlyvisible --name '^关于 Horalune$' >/dev/null 2>&1 &&
            check_failed "$dpi dpi: 看够了 did not close the about window"
    else
        check_failed "$dpi dpi: the about window did not open"
    fi

    # The dial-up window, from the "上网下网" button of the shipped store.
    geometry "$clock"
    xdotool mousemove $((X + $(scaled 60))) $((Y + $(scaled 60)))
    sleep 0.5
    xdotool mousemove $((X + $(scaled 47))) $((Y + $(scaled 25)))
    sleep 0.8
    xdotool click 1
    if dial=$(e2e_wait_window '.*准备上网了.*' 10); then
        sleep 1
        shot "$tag-dialup"
        wineserver_window_close "$dial"
    else
        check_failed "$dpi dpi: the dial-up window did not open"
    fi

    # The reminder popup, then the countdown prompt, come at their times: the only windows
    # without a title.
    if wait_untitled 1 150 && sleep 2; then
        shot "$tag-reminder"
    else
        check_failed "$dpi dpi: the reminder popup did not come"
    fi
    if wait_untitled 2 150 && sleep 2.5; then
        shot "$tag-countdown"
    else
        check_failed "$dpi dpi: the countdown prompt did not come"
    fi
    wineserver -k 2>/dev/null || true
    wait "$clock_pid" 2>/dev/null || true
    grep -a 'OutputDebugStringA "horalune: ' "$log" >"$shots/$tag-trace.log" || true
    echo "screenshots: $shots/$tag-*.png, the program's trace: $shots/$tag-trace.log"
}

# Closes a window the way the window manager would.
wineserver_window_close() { xdotool windowclose "$1" 2>/dev/null || xdotool windowkill "$1" 2>/dev/null || true; }

for dpi in ${SCALE_DPIS:-96 144 192}; do
    one_scale
done
export WINEPREFIX=$base_prefix
[ "$failures" -eq 0 ] || e2e_fail "$failures checks failed (screenshots in $shots)"
echo "scale_e2e: all checks passed"
