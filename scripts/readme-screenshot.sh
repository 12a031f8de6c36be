#!/bin/bash
# Refreshes docs/horalune.png, the picture of the running clock that the README shows: the
# real horalune.exe under Wine on a private Xvfb, at ten past ten, hovering nothing.
set -eu
. "$(dirname "$0")/../e2e/lib.sh"
bin="$E2E_ROOT/build/mingw/bin"
[ -f "$bin/horalune.exe" ] || e2e_fail "build horalune.exe first (cmake --build --preset mingw)"
e2e_start_display
prog="$E2E_WORK/prog"
mkdir -p "$prog"
cp -r "$bin/." "$prog/"
printf '%s' "[时钟配置]
时针颜色=4210752
分针颜色=4210752
秒针颜色=255
时针宽度=3
分针宽度=2
秒针宽度=1
时针长度=45
分针长度=33
秒针长度=33
风格=${1:-6}
底图=默认${2:-2}" | sed 's/$/\r/' | iconv -f UTF-8 -t GBK >"$prog/config.ini"
wineserver -k 2>/dev/null || true
# A light desktop behind the clock, as most users have.
xsetroot -solid '#dfe7ef' 2>/dev/null || true
(cd "$prog" && exec env NO_FAKE_STAT=1 faketime '2026-12-08 10:08:35' wine ./horalune.exe) >/dev/null 2>&1 &
E2E_PIDS="$E2E_PIDS $!"
win=$(e2e_wait_window Horalune 60) || e2e_fail "no Horalune window appeared"
sleep 3
eval "$(xdotool getwindowgeometry --shell "$win")"
mkdir -p "$E2E_ROOT/docs"
import -window root -crop "196x196+$((X - 16))+$((Y < 16 ? 0 : Y - 16))" +repage \
    "$E2E_ROOT/docs/horalune.png"
echo "readme-screenshot: wrote docs/horalune.png"
