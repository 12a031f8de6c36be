# Shared by the end-to-end scripts: a private Xvfb, a private Wine prefix, cleanup.
# Source it; call e2e_start_display, then run programs with e2e_wine.

E2E_ROOT=$(cd "$(dirname "$0")/.." && pwd)
E2E_WORK=$(mktemp -d /tmp/horalune-e2e.XXXXXX)
E2E_PIDS=
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-horalune}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

e2e_cleanup() {
    for p in $E2E_PIDS; do kill "$p" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT INT TERM

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A private Xvfb, 1024 x 768; sets DISPLAY.
e2e_start_display() {
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$E2E_WORK/display" \
        2>"$E2E_WORK/xvfb.log" &
    E2E_PIDS="$E2E_PIDS $!"
    i=0
    while [ ! -s "$E2E_WORK/display" ]; do
        i=$((i + 1))
        [ "$i" -le 100 ] || e2e_fail "Xvfb did not start: $(cat "$E2E_WORK/xvfb.log")"
        sleep 0.1
    done
    DISPLAY=:$(cat "$E2E_WORK/display")
    export DISPLAY
    "$E2E_ROOT/scripts/wine-prefix.sh" >/dev/null
}

# Waits up to $2 seconds for a visible window titled $1; prints its X id.
e2e_wait_window() {
    i=0
    while [ "$i" -lt $(($2 * 10)) ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        i=$((i + 1))
        sleep 0.1
    done
    return 1
}
