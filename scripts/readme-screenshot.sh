#!/bin/bash
# Refreshes docs/horalune.png, the picture of the running clock that the README shows: the
# real horalune.exe under Wine on a private Xvfb, as freshly installed (the shipped default
# config.ini), at ten past ten, hovering nothing.
set -eu
. "$(dirname "$0")/../e2e/lib.sh"
bin="$E2E_ROOT/build/mingw/bin"
[ -f "$bin/horalune.exe" ] || e2e_fail "build horalune.exe first (cmake --build --preset mingw)"
e2e_start_display
prog="$E2E_WORK/prog"
mkdir -p "$prog"
cp -r "$bin/." "$prog/"
# The default config.ini as shipped, whatever running the program in bin made of that copy.
cp "$E2E_ROOT/build/mingw/generated/config.ini" "$prog/config.ini" ||
    e2e_fail "no default config.ini was generated"
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
