#!/bin/bash
# Builds the libFuzzer targets (preset fuzz), generates their seed corpora and runs each target
# for the given number of seconds (default 60). Exits non-zero on any crash, leak, timeout,
# out-of-memory or broken invariant; the input that caused it is kept in build/fuzz/artifacts/
# and the full output in build/fuzz/logs/. What a run finds new is kept in build/fuzz/corpus/.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}
targets="fuzz_ini_read fuzz_icon_store fuzz_picture fuzz_time_of_day"

cmake --preset fuzz >/dev/null && cmake --build --preset fuzz || exit 1

build=build/fuzz
seeds=$build/fuzz/seeds
mkdir -p "$build/corpus" "$build/artifacts" "$build/logs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
# Reports name files and lines when the symbolizer of the same LLVM is there.
symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
[ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-$symbolizer}

# A field of libFuzzer's last status line ("#N DONE cov: C ft: F corp: K/S ...").
field() { grep -E '^#[0-9]+' "$1" | tail -1 | grep -oE "$2: [0-9]+" | grep -oE '[0-9]+$'; }

failed=0
for target in $targets; do
    corpus=$build/corpus/$target
    log=$build/logs/$target.log
    mkdir -p "$corpus"
    dict=()
    [ -f "$seeds/$target.dict" ] && dict=(-dict="$seeds/$target.dict")
    # Limits: a 30-byte GIF may claim the largest canvas the decoder accepts (8192 x 8192),
    # which it allocates at once: about 700 MB and several seconds under the sanitizers. With
    # the sanitizers' own keep of freed memory on top, 2 GB of RSS is within reach of correct
    # code, so the process may use 4 GB; a single allocation over 2 GB, or an input still
    # running after 30 s, is a fault.
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
        -malloc_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "${dict[@]}" \
        "$corpus" "$seeds/$target" >"$log" 2>&1
    rc=$?
    execs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    summary="${execs:-?} executions, cov $(field "$log" cov), ft $(field "$log" ft), corpus $(field "$log" corp) inputs"
    if [ "$rc" -eq 0 ]; then
        echo "$target: ok, $summary"
    else
        failed=1
        echo "$target: FAILED (exit $rc), $summary"
        grep -E 'ERROR: |runtime error|invariant broken|SUMMARY|Test unit written' "$log" | head -5 | sed 's/^/    /'
        echo "    full output: $log"
    fi
done
exit "$failed"
