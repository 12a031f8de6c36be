#!/bin/bash
# Builds the whole tree with AddressSanitizer and UndefinedBehaviorSanitizer (preset sanitize,
# the asset generator included) and runs the native test suite under them. Any report fails
# the run: the preset's ASAN_OPTIONS/UBSAN_OPTIONS halt on the first one, leaks included.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset sanitize >/dev/null && cmake --build --preset sanitize && ctest --preset sanitize
