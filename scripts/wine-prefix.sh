#!/bin/sh
# Prepares the Wine prefix that runs horalune.exe and its tests: quiet first start, no Mono or
# Gecko prompts, no desktop menu entries, CJK fonts for the dialog faces, PulseAudio sound,
# windows that do not wait for a window manager.
# Safe to run again: an existing prefix is only brought up to date. Works headless and as root.
#
# Usage: scripts/wine-prefix.sh        (WINEPREFIX from the environment, default ~/.wine-horalune)
set -eu

WINEPREFIX=${WINEPREFIX:-$HOME/.wine-horalune}
WINEARCH=${WINEARCH:-win64}
WINEDEBUG=${WINEDEBUG:--all}
# Empty overrides disable: no Mono/Gecko install dialogs, no .desktop files on the host.
WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES

command -v wine >/dev/null 2>&1 || { echo "wine-prefix: wine is not installed" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# wineboot opens (invisible) windows; without a display give it a private Xvfb.
if [ -z "${DISPLAY:-}" ]; then
    command -v Xvfb >/dev/null 2>&1 || { echo "wine-prefix: no DISPLAY and no Xvfb" >&2; exit 1; }
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    i=0
    while [ ! -s "$work/display" ]; do
        i=$((i + 1))
        if [ "$i" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "wine-prefix: Xvfb did not start:" >&2
            cat "$work/xvfb.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-prefix: creating $WINEPREFIX (the first start takes a while)"
fi
# Creates the prefix, or updates it after a Wine upgrade; quick when nothing is to be done.
wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }

# Pulse only when this Wine has the driver for it; otherwise Wine's own choice stands.
audio=
for driver in /usr/lib/*/wine/*-unix/winepulse.so /usr/lib/wine/*-unix/winepulse.so; do
    if [ -e "$driver" ]; then audio=pulse; fi
done
# regedit wants UTF-16 for the Chinese face name; the file below is UTF-8, converted next.
{
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]\r\n'
    printf '"winemenubuilder.exe"=""\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in "宋体" "SimSun" "Tahoma" "MS Shell Dlg" "Microsoft Sans Serif"; do
        printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
    done
    printf '\r\n'
    # No window manager runs on Xvfb: managed windows would make every hide and close wait
    # 2 s for a manager that never answers. Unmanaged windows still get keys and clicks.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
    printf '"Managed"="N"\r\n\r\n'
    if [ -n "$audio" ]; then
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n'
        printf '"Audio"="%s"\r\n\r\n' "$audio"
    fi
} >"$work/settings.utf8.reg"
{
    printf '\377\376'
    iconv -f UTF-8 -t UTF-16LE "$work/settings.utf8.reg"
} >"$work/settings.reg"

wine regedit /S "$(winepath -w "$work/settings.reg")" >"$work/regedit.log" 2>&1 ||
    { cat "$work/regedit.log" >&2; exit 1; }
# Let the registry reach the disk before Xvfb goes away and other scripts read it.
timeout 120 wineserver -w || true  # others may keep the prefix busy

if [ -n "$audio" ]; then
    echo "wine-prefix: ready: $WINEPREFIX (fonts replaced, audio driver $audio)"
else
    echo "wine-prefix: ready: $WINEPREFIX (fonts replaced, default audio driver)"
fi
