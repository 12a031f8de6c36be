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

# A private PulseAudio with a null sink "horalune_sink" that Wine plays into; record its
# monitor with e2e_record_start / e2e_record_stop, measure with e2e_rms.
e2e_start_pulse() {
    export XDG_RUNTIME_DIR=$E2E_WORK/run
    export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse
    export PULSE_STATE_PATH=$E2E_WORK/pulse-state
    export PULSE_COOKIE=$E2E_WORK/pulse-cookie
    mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$PULSE_STATE_PATH"
    local socket=$PULSE_RUNTIME_PATH/native
    export PULSE_SERVER=unix:$socket
    pulseaudio -n --daemonize=yes --exit-idle-time=-1 --system=false \
        --log-target="file:$E2E_WORK/pulse.log" \
        -L "module-null-sink sink_name=horalune_sink rate=44100 channels=2" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$socket" ||
        e2e_fail "pulseaudio did not start"
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink horalune_sink
    E2E_PIDS="$E2E_PIDS $(cat "$PULSE_RUNTIME_PATH/pid" 2>/dev/null)"
    # A steady silent stream keeps the sink running, so recordings have no gaps.
    pacat -p -d horalune_sink --latency-msec=20 --raw --format=s16le --rate=44100 --channels=1 \
        </dev/zero 2>/dev/null &
    E2E_PIDS="$E2E_PIDS $!"
}

e2e_record_start() {  # $1: name
    E2E_REC_NAME=$1
    E2E_REC_START=$(date +%s.%N)
    parec -d horalune_sink.monitor --latency-msec=20 --raw --format=s16le --rate=44100 \
        --channels=1 >"$E2E_WORK/$1.raw" 2>/dev/null &
    E2E_REC_PID=$!
}

# Seconds since the recording started.
e2e_record_elapsed() {
    awk -v s="$E2E_REC_START" -v n="$(date +%s.%N)" 'BEGIN { printf "%.2f\n", n - s }'
}

e2e_record_stop() {
    kill "$E2E_REC_PID" 2>/dev/null || true
    wait "$E2E_REC_PID" 2>/dev/null || true
    sox -t raw -r 44100 -e signed -b 16 -c 1 "$E2E_WORK/$E2E_REC_NAME.raw" \
        "$E2E_WORK/$E2E_REC_NAME.wav"
}

# RMS of recording $1 from second $2 for $3 seconds.
e2e_rms() {
    sox "$E2E_WORK/$1.wav" -n trim "$2" "$3" stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'
}
e2e_loud() { awk -v v="$1" 'BEGIN { exit !(v > 0.02) }'; }
e2e_quiet() { awk -v v="$1" 'BEGIN { exit !(v < 0.002) }'; }

# config.ini of the program under test in $prog, as a Chinese Windows editor saves it: GBK with
# CRLF line ends.
write_config() {
    printf '%s\n' "$1" | sed 's/$/\r/' | iconv -f UTF-8 -t GBK >"$prog/config.ini"
}

# A screenshot of the whole screen into $shots/$1.png, and as $E2E_WORK/$1.ppm for pixels.py.
shot() {
    import -window root "$shots/$1.png"
    convert "$shots/$1.png" "$E2E_WORK/$1.ppm"
}

# The built program copied to a folder of its own ($prog, with its config.ini), the screenshot
# folder $shots and a private display; call before anything else of the script.
e2e_prepare_program() {
    bin="$E2E_ROOT/build/mingw/bin"
    shots="$E2E_ROOT/build/e2e"
    [ -f "$bin/horalune.exe" ] || e2e_fail "build horalune.exe first (cmake --build --preset mingw)"
    mkdir -p "$shots"
    e2e_start_display
    prog="$E2E_WORK/prog"
    mkdir -p "$prog"
    cp -r "$bin/." "$prog/"
    # The scripts start from no settings at all, as before a default config.ini was shipped.
    rm -f "$prog/config.ini"
}

# The program's trace in $log: how often "horalune: $1" came, and waiting for it; windows by
# size; the clock started and watched; times of day.
traced() { grep -c "horalune: $1" "$log" 2>/dev/null || true; }
wait_trace() {  # $1: pattern, $2: how many times, $3: seconds
    for _ in $(seq $(($3 * 10))); do
        [ "$(traced "$1")" -ge "$2" ] && return 0
        sleep 0.1
    done
    return 1
}
# The visible window of this size (borderless windows have no title to find them by).
window_of_size() {
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        if [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
# A window at least $1 x $2 and at most a quarter larger each way: a designed window that the
# layout may have widened to fit its texts in the fonts at hand.
window_of_designed_size() {
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        if [ "$WIDTH" -ge "$1" ] && [ "$WIDTH" -le $(($1 * 5 / 4)) ] &&
            [ "$HEIGHT" -ge "$2" ] && [ "$HEIGHT" -le $(($2 * 5 / 4)) ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
wait_window_of_designed_size() {
    for _ in $(seq $(($3 * 5))); do
        window_of_designed_size "$1" "$2" && return 0
        sleep 0.2
    done
    return 1
}
wait_window_of_size() {
    for _ in $(seq $(($3 * 5))); do
        window_of_size "$1" "$2" && return 0
        sleep 0.2
    done
    return 1
}
# Starts $prog/horalune.exe with its trace in $log; sets clock_pid, clock (its window) and
# cx, cy (where it is).
start_clock() {
    wineserver -k 2>/dev/null || true
    (cd "$prog" && exec env WINEDEBUG=fixme-all,warn+seh wine ./horalune.exe) >"$log" 2>&1 &
    clock_pid=$!
    E2E_PIDS="$E2E_PIDS $clock_pid"
    clock=$(e2e_wait_window Horalune 60) || e2e_fail "no Horalune window appeared"
    eval "$(xdotool getwindowgeometry --shell "$clock")"
    cx=$X
    cy=$Y
}
clock_alive() { kill -0 "$clock_pid" 2>/dev/null; }
at() { date -d "+$1 seconds" '+%-H:%-M:%-S'; }
seconds_of_day() {  # $1: hh:mm:ss
    local h m s
    IFS=: read -r h m s <<<"$1"
    echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}
