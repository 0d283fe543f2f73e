#!/usr/bin/env bash
# Quick save of 99 panels of 1 MB each through PenWick's save command and its real Win32 file
# code, against a plain loop that writes (and flushes) the same bytes to as many files, in the
# same run under Wine, in a throwaway prefix with code page 936.
#   bench/save_files.sh CROSS_BUILD_DIR [rounds]
# Prints both times (the median of the rounds, default 5), their ratio, and PASS or FAIL
# against PW_BENCH_LIMIT (default 1.5); it is a benchmark, not a test.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -f "$1/SaveBench.exe" ]; then
    echo "usage: $0 CROSS_BUILD_DIR [rounds]   (CROSS_BUILD_DIR holds SaveBench.exe)" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
rounds="${2:-5}"
limit="${PW_BENCH_LIMIT:-1.5}"

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/wineenv.sh
. "$root/tools/wineenv.sh"
trap pw_wine_down EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
pw_wine_up

out="$PW_WORK/savebench.log"
(cd "$build" && wine ./SaveBench.exe 'C:\pwbench' "$rounds" </dev/null) | tr -d '\r' | tee "$out"
awk -v limit="$limit" '/^ratio/ {
        verdict = $2 <= limit ? "PASS" : "FAIL"
        printf "%s: PenWick / plain loop %.2f against a limit of %s\n", verdict, $2, limit
        found = 1
    }
    END { exit found ? 0 : 1 }' "$out"
