#!/bin/bash
# Builds everything and runs every test: the native suite (core, headless behaviour), the same
# suite under AddressSanitizer + UndefinedBehaviorSanitizer, each fuzzer for a minute
# (HORALUNE_FUZZ_SECONDS), the suite cross-built and run under Wine, and the end-to-end checks
# of the real horalune.exe under Wine on a private Xvfb (window, pictures, clock, close, sound).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh || exit 1

passed=0
failed=0
failures=
step() {
    local name=$1
    shift
    echo "=== $name"
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        failures="$failures $name"
        echo "=== $name FAILED"
    fi
}

export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-horalune}
export WINEDEBUG=${WINEDEBUG:--all}

native() {
    cmake --preset linux >/dev/null && cmake --build --preset linux &&
        ctest --preset linux
}
# ctest starts the test program once per case: a warm, persistent wineserver keeps each start
# short.
wine_ctest() {
    wineserver -p && wine cmd /c exit >/dev/null 2>&1
    ctest --preset mingw
    local rc=$?
    wineserver -k
    return $rc
}
windows() {
    cmake --preset mingw >/dev/null && cmake --build --preset mingw &&
        scripts/wine-prefix.sh >/dev/null &&
        xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c "$(declare -f wine_ctest); wine_ctest"
}

step native-suite native
step sanitizer-suite scripts/sanitize.sh
step fuzzers scripts/fuzz.sh "${HORALUNE_FUZZ_SECONDS:-60}"
step windows-suite-under-wine windows
step window-e2e e2e/window_e2e.sh
step sound-e2e e2e/sound_e2e.sh
step clock-e2e e2e/clock_e2e.sh
step alerts-e2e e2e/alerts_e2e.sh
step desktop-e2e e2e/desktop_e2e.sh
step scale-e2e e2e/scale_e2e.sh
step faults-e2e e2e/faults_e2e.sh
step package-e2e e2e/package_e2e.sh

echo
[ -z "$failures" ] || echo "failed:$failures"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
