#!/bin/bash
# End-to-end check of the sound player: the real Win32 back-end (tests/e2e/sound_probe.exe) plays
# under Wine into a private PulseAudio null sink whose monitor is recorded and measured with sox.
#
# Checks (exit 1 on the first failure): a repeating WAV sounds while it plays, still sounds after
# its own 0.5 s length, and is silent after stop_sound; a one-shot WAV falls silent after its
# length; a missing file is silent and does not crash. MIDI and MP3 are tried and reported.
#
# Usage: e2e/sound_e2e.sh [path/to/sound_probe.exe]   (default build/mingw/tests/sound_probe.exe)
# Needs: wine, Xvfb (when DISPLAY is unset), pulseaudio, pulseaudio-utils (parec, pactl), sox.
# KEEP=1 keeps the work folder (recordings, logs) for a look afterwards.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=e2e/lib.sh
. "$root/e2e/lib.sh"
probe=${1:-$root/build/mingw/tests/sound_probe.exe}
[ -f "$probe" ] || { echo "sound_e2e: no probe at $probe (build the sound_probe target)" >&2; exit 1; }
for tool in wine pulseaudio parec pactl sox; do
    command -v "$tool" >/dev/null 2>&1 || { echo "sound_e2e: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d /tmp/horalune-sound.XXXXXX)
rate=44100
xvfb_pid=
rec_pid=
failed=0

cleanup() {
    for pid in "$rec_pid" "$xvfb_pid"; do
        if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    done
    if [ "${KEEP:-0}" = 1 ] || [ "$failed" = 1 ]; then
        echo "sound_e2e: recordings and logs kept in $work"
    else
        rm -rf "$work"
    fi
    e2e_cleanup  # the sound server and what else lib.sh started
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    failed=1
    echo "sound_e2e: FAIL: $*" >&2
    exit 1
}

# --- a private display, a private sound server, the Wine prefix -------------------------------
if [ -z "${DISPLAY:-}" ]; then
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=:$(cat "$work/display")
fi

# The private PulseAudio and its null sink are the same as the other end-to-end checks use.
e2e_start_pulse

export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-horalune}
"$root/scripts/wine-prefix.sh" >"$work/prefix.log" 2>&1 || { cat "$work/prefix.log" >&2; fail "Wine prefix"; }

# --- test sounds ----------------------------------------------------------------------------
sox -n -r "$rate" -c 1 -b 16 "$work/tone.wav" synth 0.5 sine 440 vol 0.5
# A hand-made standard MIDI file: one track, A4 for one quarter note (0.5 s at 120 bpm).
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60' >"$work/tone.mid"
printf 'MTrk\x00\x00\x00\x0f\x00\xc0\x00\x00\x90\x45\x64\x60\x80\x45\x40\x00\xff\x2f\x00' \
    >>"$work/tone.mid"
have_mp3=0
if sox -n -r "$rate" -c 1 "$work/tone.mp3" synth 0.5 sine 440 vol 0.5 2>/dev/null; then
    have_mp3=1
elif command -v lame >/dev/null 2>&1 && lame --quiet "$work/tone.wav" "$work/tone.mp3"; then
    have_mp3=1
fi

# --- measuring --------------------------------------------------------------------------------
# Wine 8 shows OutputDebugString on the seh channel as warnings.
trace_channels=fixme-all,warn+seh

# Runs the probe while recording the sink; leaves $work/<name>.wav and the probe's log.
# Small record fragments: parec would otherwise buffer (and lose at the end) about two seconds.
take() {
    local name=$1 kind=$2 file=$3 repeat=$4 play_ms=$5 after_ms=$6
    parec -d horalune_sink.monitor --latency-msec=20 --raw --format=s16le --rate="$rate" --channels=1 \
        >"$work/$name.raw" 2>"$work/$name.parec.log" &
    rec_pid=$!
    local rec_start
    rec_start=$(date +%s.%N)
    sleep 0.3
    local winfile
    winfile=$(winepath -w "$file" 2>/dev/null)
    local status=0
    WINEDEBUG=$trace_channels timeout 120 wine "$probe" "$kind" "$winfile" "$repeat" "$play_ms" \
        "$after_ms" >"$work/$name.out" 2>"$work/$name.log" || status=$?
    sleep 0.3
    # Let the recording catch up with the clock before it stops, or the end of the take
    # (after stop_sound) is lost.
    local want
    for _ in $(seq 50); do
        want=$(awk -v s="$rec_start" -v n="$(date +%s.%N)" -v r="$rate" \
            'BEGIN { printf "%d\n", (n - s - 0.25) * r * 2 }')
        [ "$(stat -c %s "$work/$name.raw")" -ge "$want" ] && break
        sleep 0.1
    done
    kill "$rec_pid" 2>/dev/null || true
    wait "$rec_pid" 2>/dev/null || true
    rec_pid=
    [ "$status" = 0 ] || fail "$name: the probe exited with $status (log: $work/$name.log)"
    sox -t raw -r "$rate" -e signed -b 16 -c 1 "$work/$name.raw" "$work/$name.wav"
}

# Seconds from the start of the recording to the first sound, or "none".
onset() {
    local wav=$1
    sox "$wav" "$work/trimmed.wav" silence 1 0.01 1%
    local total trimmed
    total=$(soxi -D "$wav")
    trimmed=$(soxi -D "$work/trimmed.wav" 2>/dev/null || echo 0)
    awk -v t="$total" -v r="$trimmed" 'BEGIN { if (r <= 0) print "none"; else printf "%.3f\n", t - r }'
}

# RMS amplitude (0 ... 1) of the recording from `start` seconds on, for `length` seconds.
rms() {
    local wav=$1 start=$2 length=$3
    sox "$wav" -n trim "$start" "$length" stat 2>&1 | awk '/RMS +amplitude/ { print $3 }'
}

loud() { awk -v v="$1" 'BEGIN { exit !(v > 0.02) }'; }
quiet() { awk -v v="$1" 'BEGIN { exit !(v < 0.002) }'; }
at() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f\n", a + b }'; }

traced() { grep -q "horalune: $2" "$work/$1.log"; }

# --- WAV, repeating: sounds, repeats past its length, silent after stop_sound -------------------
take wav_repeat wav "$work/tone.wav" 1 2500 1500
cat "$work/wav_repeat.out"
t0=$(onset "$work/wav_repeat.wav")
[ "$t0" != none ] || fail "wav repeat: the recording is silent"
playing=$(rms "$work/wav_repeat.wav" "$(at "$t0" 0.05)" 0.35)
repeated=$(rms "$work/wav_repeat.wav" "$(at "$t0" 1.0)" 0.8)
stopped=$(rms "$work/wav_repeat.wav" "$(at "$t0" 2.9)" 0.8)
echo "wav repeat: onset ${t0}s, RMS 0.05-0.4 s $playing, 1.0-1.8 s $repeated, after stop $stopped"
loud "$playing" || fail "wav repeat: silent while playing (RMS $playing)"
loud "$repeated" || fail "wav repeat: silent 1.0-1.8 s after the start, no repeat (RMS $repeated)"
quiet "$stopped" || fail "wav repeat: still sounding after stop_sound (RMS $stopped)"
traced wav_repeat "sound started wave repeat" || fail "wav repeat: no 'sound started' trace"
traced wav_repeat "sound stopped" || fail "wav repeat: no 'sound stopped' trace"

# --- WAV, once: falls silent after its own length ----------------------------------------------
take wav_once wav "$work/tone.wav" 0 1800 200
t0=$(onset "$work/wav_once.wav")
[ "$t0" != none ] || fail "wav once: the recording is silent"
playing=$(rms "$work/wav_once.wav" "$(at "$t0" 0.05)" 0.35)
after=$(rms "$work/wav_once.wav" "$(at "$t0" 0.8)" 0.8)
echo "wav once: onset ${t0}s, RMS 0.05-0.4 s $playing, 0.8-1.6 s $after"
loud "$playing" || fail "wav once: silent while playing (RMS $playing)"
quiet "$after" || fail "wav once: still sounding after its length (RMS $after)"

# --- a missing file: silent, no crash ----------------------------------------------------------
take missing wav "$work/no-such-file.wav" 1 800 200
[ "$(onset "$work/missing.wav")" = none ] || fail "missing file: something sounded"
traced missing "sound failed" || fail "missing file: no 'sound failed' trace"
echo "missing file: silent, probe exited normally"

# --- MIDI and MP3: tried and reported, not required ---------------------------------------------
report() {
    local name=$1 label=$2
    local t0
    t0=$(onset "$work/$name.wav")
    local trace
    trace=$(grep -o 'OutputDebugStringA "horalune: sound [a-z]*' "$work/$name.log" |
        sed 's/.*horalune: //' | tr '\n' ',')
    if [ "$t0" = none ]; then
        echo "$label: SILENT here (trace: ${trace:-none})"
    else
        echo "$label: sounds: onset ${t0}s, RMS 0.05-0.4 s $(rms "$work/$name.wav" "$(at "$t0" 0.05)" 0.35)," \
            "1.0-1.8 s $(rms "$work/$name.wav" "$(at "$t0" 1.0)" 0.8)," \
            "after stop $(rms "$work/$name.wav" "$(at "$t0" 2.9)" 0.8) (trace: $trace)"
    fi
}
take midi mid "$work/tone.mid" 1 2500 1500
report midi "midi repeat"
if [ "$have_mp3" = 1 ]; then
    take mp3 mp3 "$work/tone.mp3" 0 2500 1500
    report mp3 "mp3 once"
else
    echo "mp3: not tried (neither sox with mp3 support nor lame can write one here)"
fi

echo "sound_e2e: PASS"
