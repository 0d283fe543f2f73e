#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan, UBSan, libFuzzer) and runs each for a bounded time,
# starting from its seed corpus in fuzz/corpus/. A crash or a broken property fails the run;
# the input that caused it is kept as BUILD_DIR/NAME-crash-*.
#   tools/fuzz.sh BUILD_DIR [seconds per target]     (default: PW_FUZZ_SECONDS or 20)
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_DIR [seconds per target]" >&2
    exit 2
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$1"
seconds="${2:-${PW_FUZZ_SECONDS:-20}}"

CC=clang CXX=clang++ cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPW_FUZZ=ON -DPW_SANITIZE=ON >/dev/null
cmake --build "$out" --target pw_fuzzers -j "$(nproc 2>/dev/null || echo 2)"

rc=0
for seeds in "$root"/fuzz/corpus/*/; do
    name="$(basename "$seeds")"
    exe="$out/fuzz/${name}_fuzz"
    # New inputs go to a scratch folder; the committed seeds stay as they are.
    work="$(mktemp -d)"
    log="$out/$name.log"
    if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$out/$name-" "$work" "$seeds" >"$log" 2>&1; then
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
        echo "fuzz $name: ok, ${runs:-?} inputs in ${seconds}s"
    else
        rc=1
        echo "fuzz $name: FAILED (log $log)"
        grep -m5 -E 'property failed|ERROR: |SUMMARY' "$log" || tail -n 20 "$log"
    fi
    rm -rf "$work"
done
exit "$rc"
