#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan, UBSan, libFuzzer) and runs each of them. A crash or
# a broken property fails the run; the input that caused it is kept as BUILD_DIR/NAME-crash-*.
#
#   tools/fuzz.sh BUILD_DIR [TARGET...]
#     The test command's run: each target replays its committed inputs in fuzz/corpus/NAME/,
#     then tries a fixed number of new inputs (the table below, or PW_FUZZ_RUNS for all) from a
#     fixed seed (PW_FUZZ_SEED, default 1). The same commit gives the same verdict on every
#     machine.
#
#   tools/fuzz.sh --campaign SECONDS BUILD_DIR [TARGET...]
#     A long randomised search (tools/fuzz-campaign.sh): a new seed every time, for SECONDS
#     per target. What it finds goes into the corpus once fixed; see tools/fuzz-campaign.sh.
set -euo pipefail

campaign=0
if [ "${1:-}" = "--campaign" ]; then
    campaign="${2:?seconds per target}"
    shift 2
fi
if [ $# -lt 1 ]; then
    echo "usage: $0 [--campaign SECONDS] BUILD_DIR [TARGET...]" >&2
    exit 2
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$1"
shift
seed="${PW_FUZZ_SEED:-1}"
# New inputs per target in the fixed run: some 15 seconds each on a busy two-core machine.
declare -A fixed_runs=([number_text]=500000 [settings_load]=10000 [convert]=200000 [goto]=25000
    [paths]=20000 [file_bytes]=200000)

CC=clang CXX=clang++ cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPW_FUZZ=ON -DPW_SANITIZE=ON >/dev/null
cmake --build "$out" --target pw_fuzzers -j 2

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for seeds in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

# Addresses compared by the code feed libFuzzer's mutations too: without address-space
# randomisation the fixed run takes the same path every time.
fixed=()
if setarch "$(uname -m)" -R true 2>/dev/null; then fixed=(setarch "$(uname -m)" -R); fi

rc=0
for name in "${targets[@]}"; do
    seeds="$root/fuzz/corpus/$name"
    exe="$out/fuzz/${name}_fuzz"
    if [ ! -d "$seeds" ] || [ ! -x "$exe" ]; then
        echo "fuzz $name: no such target" >&2
        rc=1
        continue
    fi
    if [ "$campaign" -gt 0 ]; then
        # -seed=0: libFuzzer picks a seed and prints it, so a finding can be searched again.
        limits=(-seed=0 -max_total_time="$campaign")
        run=()
        what="${campaign}s, random seed"
    else
        # No reloading from disk: only the seed and the committed inputs steer the run.
        limits=(-seed="$seed" -runs="${PW_FUZZ_RUNS:-${fixed_runs[$name]:-30000}}" -reload=0)
        run=("${fixed[@]}")
        what="committed inputs, then seed $seed"
    fi
    # New inputs go to a scratch folder; the committed ones stay as they are.
    work="$(mktemp -d)"
    log="$out/$name.log"
    if "${run[@]}" "$exe" "${limits[@]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$out/$name-" "$work" "$seeds" >"$log" 2>&1; then
        done_runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
        echo "fuzz $name: ok, ${done_runs:-?} inputs ($what)"
    else
        rc=1
        echo "fuzz $name: FAILED (log $log)"
        grep -m5 -E 'property failed|ERROR: |SUMMARY|Test unit written' "$log" || tail -n 20 "$log"
        [ "$campaign" -eq 0 ] ||
            echo "  once fixed, copy that input into fuzz/corpus/$name/ under a name that says what it found"
    fi
    rm -rf "$work"
done
exit "$rc"
