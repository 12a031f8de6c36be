#!/bin/bash
# Builds horalune.exe and starts it under Wine. On the current DISPLAY when there is one;
# otherwise on a private Xvfb, where it saves a screenshot and says where.
# HORALUNE_RUN_SECONDS=N ends the clock after N seconds (default: runs until Ctrl+C).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target horalune
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-horalune}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    tmp=$(mktemp -d)
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$tmp/display" 2>/dev/null &
    xvfb_pid=$!
    while [ ! -s "$tmp/display" ]; do sleep 0.1; done
    export DISPLAY=:$(cat "$tmp/display")
    echo "run-clock: no display; started a private Xvfb on $DISPLAY"
fi
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
scripts/wine-prefix.sh >/dev/null

(cd build/mingw/bin && exec wine ./horalune.exe) &
clock=$!
echo "run-clock: Horalune is running (config.ini lives in $root/build/mingw/bin)"
if [ -n "$xvfb_pid" ]; then
    for _ in $(seq 1 300); do
        xdotool search --onlyvisible --name '^Horalune$' >/dev/null 2>&1 && break
        sleep 0.1
    done
    sleep 2
    import -window root "$root/build/horalune-screenshot.png"
    echo "run-clock: screenshot saved to $root/build/horalune-screenshot.png"
fi
if [ -n "${HORALUNE_RUN_SECONDS:-}" ]; then
    sleep "$HORALUNE_RUN_SECONDS"
else
    wait "$clock" || true
fi
