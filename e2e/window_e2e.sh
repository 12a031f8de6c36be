#!/bin/bash
# The real horalune.exe under Wine on a private Xvfb: one visible round 164 x 164 window with
# the chosen face picture, the desktop showing around it, and a close from outside that
# disarms the timed shutdown and leaves the rest of config.ini as it was, in GBK.
# Screenshots are kept in build/e2e/.
set -eu
. "$(dirname "$0")/lib.sh"

e2e_prepare_program
gen="$E2E_ROOT/build/mingw/generated"
for n in mask background1 background2; do
    convert "$gen/$n.$( [ $n = mask ] && echo bmp || echo jpg)" "$E2E_WORK/$n.ppm"
done


start_clock() {
    (cd "$prog" && exec wine ./horalune.exe) >"$E2E_WORK/wine.log" 2>&1 &
    clock_pid=$!
    E2E_PIDS="$E2E_PIDS $clock_pid"
    win=$(e2e_wait_window Horalune 60) || e2e_fail "no Horalune window appeared"
    sleep 2  # first paint
}

stop_clock() {
    wineserver -k 2>/dev/null || true
    wait "$clock_pid" 2>/dev/null || true
}

# check NAME EXPECTED OTHER: one visible window, 164 x 164, showing EXPECTED.
check_face() {
    count=$(xdotool search --onlyvisible --name '^Horalune$' | wc -l)
    [ "$count" -eq 1 ] || e2e_fail "$1: $count visible Horalune windows"
    eval "$(xdotool getwindowgeometry --shell "$win")"
    [ "$WIDTH" -eq 164 ] && [ "$HEIGHT" -eq 164 ] || e2e_fail "$1: window is ${WIDTH}x$HEIGHT"
    import -window root "$shots/$1.png"
    convert "$shots/$1.png" "$E2E_WORK/shot.ppm"
    python3 "$E2E_ROOT/e2e/face_check.py" "$E2E_WORK/shot.ppm" "$X" "$Y" "$E2E_WORK/mask.ppm" \
        "$E2E_WORK/$2.ppm" "$E2E_WORK/$3.ppm" || e2e_fail "$1: the face is not $2 (see $shots/$1.png)"
    echo "ok: $1 shows $2 at $X,$Y (screenshot $shots/$1.png)"
}

rm -f "$prog/config.ini"
start_clock
check_face no-config background2 background1
stop_clock
[ ! -e "$prog/config.ini" ] || e2e_fail "starting created config.ini"

write_config "[时钟配置]
底图=默认1"
start_clock
check_face builtin1 background1 background2
stop_clock

write_config "[时钟配置]
风格=5
底图=C:\\nowhere\\missing.jpg"
start_clock
check_face missing-file-style5 background1 background2
stop_clock

# A close request from outside (WM_CLOSE, as the window manager sends it).
write_config "; hand-written note
[定时关机]
是否定时关机=真
关机时间=2000年1月1日23:0:0
[其它]
跳动的心=假"
before="$E2E_WORK/before.ini"
cp "$prog/config.ini" "$before"
start_clock
(cd "$prog" && wine taskkill /im horalune.exe) >/dev/null 2>&1 || true
i=0
while kill -0 "$clock_pid" 2>/dev/null; do
    i=$((i + 1))
    [ "$i" -le 100 ] || e2e_fail "the clock did not end after a close request"
    sleep 0.1
done
expected="$E2E_WORK/expected.ini"
LC_ALL=C sed "s/$(printf '是否定时关机=真' | iconv -f UTF-8 -t GBK)/$(printf '是否定时关机=假' | iconv -f UTF-8 -t GBK)/" \
    "$before" >"$expected"
cmp -s "$expected" "$prog/config.ini" || {
    diff <(iconv -f GBK -t UTF-8 "$expected") <(iconv -f GBK -t UTF-8 "$prog/config.ini") >&2 || true
    e2e_fail "config.ini after close is not the old file with the shutdown disarmed"
}
echo "ok: close from outside wrote 是否定时关机=假 and kept every other byte"
echo "window_e2e: all checks passed"
