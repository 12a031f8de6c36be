#!/bin/bash
# What the clock costs at rest, next to a bare round window with a tray icon (bench/bare_window.cpp):
# builds both (preset mingw), runs each in turn under Wine on one private Xvfb from a fresh copy of
# build/mingw/bin, and prints resident memory after start-up, CPU time over a minute at rest (the
# exe's own Wine process, utime + stime from /proc/<pid>/stat) and the time to the first window.
# Not part of any test run: the figures depend on the machine's load, printed with them.
#
# Usage: scripts/bench-idle.sh [--no-build] [rest seconds, default 60] [settle seconds, default 10]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=1
if [ "${1:-}" = "--no-build" ]; then build=0; shift; fi
rest=${1:-60}
settle=${2:-10}

export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-horalune}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

if [ "$build" = 1 ]; then
    (cd "$root" && cmake --preset mingw >/dev/null &&
        cmake --build --preset mingw --target horalune bare_window >/dev/null)
fi
# BENCH_BIN: another build of horalune.exe (a folder like build/mingw/bin) to compare.
bin=${BENCH_BIN:-$root/build/mingw/bin}
bare=$root/build/mingw/bench/bare_window.exe
[ -f "$bin/horalune.exe" ] && [ -f "$bare" ] || { echo "bench-idle: build first" >&2; exit 1; }

work=$(mktemp -d /tmp/horalune-bench.XXXXXX)
xvfb_pid=
cleanup() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
"$root/scripts/wine-prefix.sh" >/dev/null
# Wine's own start (server, desktop, tray host) is paid before either program runs.
wineserver -p 3600
wine cmd.exe /c exit >/dev/null 2>&1 || true

ticks=$(getconf CLK_TCK)
page_kb=$(($(getconf PAGESIZE) / 1024))

# CPU milliseconds (utime + stime) of process $1.
cpu_ms() {
    awk -v t="$ticks" '{ sub(/^.*\) /, ""); print int(($12 + $13) * 1000 / t) }' "/proc/$1/stat"
}
rss_kb() { awk -v p="$page_kb" '{ print $2 * p }' "/proc/$1/statm"; }
# The Wine process whose name is $1 (the kernel keeps 15 characters of it).
# The newest: the one before may still be on its way out.
pid_of() { pgrep -n -x "$(printf '%.15s' "$1")"; }

# The wineserver of this prefix (other prefixes have their own): it works in its server folder,
# named after the prefix's device and inode.
server_pid() {
    local dir p
    dir=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
    for p in $(pgrep wineserver); do
        [ "$(basename "$(readlink "/proc/$p/cwd")")" != "$dir" ] || { echo "$p"; return; }
    done
    echo "bench-idle: no wineserver for $WINEPREFIX" >&2
    exit 1
}

# run NAME EXE TITLE [SETTLE REST]: prints "rss_kb cpu_ms window_ms server_ms" for the exe started from a fresh
# folder of its own; server_ms is what wineserver spent meanwhile (the shell round trips land there).
run() {
    local name=$1 exe=$2 title=$3 dir=$work/$1 settle=${4:-$settle} rest=${5:-$rest}
    mkdir -p "$dir"
    if [ "$name" = horalune ]; then cp -r "$bin/." "$dir/"; else cp "$exe" "$dir/"; fi
    local start now id= pid=
    start=$(date +%s%N)
    (cd "$dir" && exec wine "./$(basename "$exe")") >"$work/$name.log" 2>&1 &
    for _ in $(seq 1500); do
        id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) || true
        [ -z "$id" ] || break
        sleep 0.02
    done
    now=$(date +%s%N)
    [ -n "$id" ] || { echo "bench-idle: no window \"$title\"" >&2; exit 1; }
    sleep "$settle"
    pid=$(pid_of "$(basename "$exe")")
    [ -n "$pid" ] || { echo "bench-idle: no process for $exe" >&2; exit 1; }
    local server c0 s0 c1 s1 rss
    server=$(server_pid)
    rss=$(rss_kb "$pid")
    c0=$(cpu_ms "$pid"); s0=$(cpu_ms "$server")
    sleep "$rest"
    c1=$(cpu_ms "$pid"); s1=$(cpu_ms "$server")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    echo "$rss $((c1 - c0)) $(((now - start) / 1000000)) $((s1 - s0))"
}

# A first start of a tray icon owner brings up Wine's tray host: paid here, not by the first run.
run warmup "$bare" bare 0 0 >/dev/null
load=$(uptime | sed 's/.*load average: //')
read -r b_rss b_cpu b_win b_srv < <(run bare "$bare" bare)
read -r h_rss h_cpu h_win h_srv < <(run horalune "$bin/horalune.exe" Horalune)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f x", a / b; else print "-" }'; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }'; }
echo "load average before the runs: $load; after: $(uptime | sed 's/.*load average: //')"
echo "rest ${rest} s after ${settle} s to settle; CPU scaled to one minute"
per_min() { awk -v c="$1" -v r="$rest" 'BEGIN { printf "%d ms", c * 60 / r }'; }
printf '%-14s %12s %16s %16s %18s\n' "" "RSS" "CPU per minute" "first window" "wineserver/minute"
printf '%-14s %12s %16s %16s %18s\n' bare_window "$(mb "$b_rss")" "$(per_min "$b_cpu")" \
    "$b_win ms" "$(per_min "$b_srv")"
printf '%-14s %12s %16s %16s %18s\n' horalune.exe "$(mb "$h_rss")" "$(per_min "$h_cpu")" \
    "$h_win ms" "$(per_min "$h_srv")"
printf '%-14s %12s %16s %16s %18s\n' ratio "$(ratio "$h_rss" "$b_rss")" \
    "$(ratio "$h_cpu" "$b_cpu")" "$(ratio "$h_win" "$b_win")" "$(ratio "$h_srv" "$b_srv")"
