#!/usr/bin/env bash
# What a large panel costs PenWick beyond the text box itself: typing one character at the end
# of a 1 MB and a 10 MB panel, and paging from an empty panel to a 2 MB one, each against a bare
# Win32 program holding one multi-line EDIT with the same styles, in the same throwaway prefix.
#   bench/edit_cost.sh CROSS_BUILD_DIR [keys] [rounds]      (defaults 40 and 9)
# CROSS_BUILD_DIR holds PWick.exe, BareEdit.exe and WineBench.exe. Prints PASS or FAIL for the
# ratios of the median keystroke at 10 MB and the median page turn against PW_BENCH_LIMIT
# (default 1.1); it is a benchmark, not a test.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 CROSS_BUILD_DIR [keys] [rounds]" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
keys="${2:-40}"
rounds="${3:-9}"
limit="${PW_BENCH_LIMIT:-1.1}"
for exe in PWick.exe BareEdit.exe WineBench.exe; do
    [ -f "$build/$exe" ] || { echo "no $build/$exe: build the cross tree first" >&2; exit 2; }
done

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/wineenv.sh
. "$root/tools/wineenv.sh"
trap pw_wine_down EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

pw_wine_up
out="$PW_WORK/edit-cost.txt"
# To a file: Wine's services inherit the output and would hold a pipe open.
(cd "$build" && wine ./WineBench.exe "typing:1:$keys" "typing:10:$keys" "paging:2:$rounds" \
    </dev/null >"$out.raw" 2>&1) || { cat "$out.raw" >&2; exit 1; }
tr -d '\r' <"$out.raw" | tee "$out"
awk -v limit="$limit" '
    /^typing at the end of 10 MB/ { typing = $NF + 0 }
    /^paging empty -> 2 MB \(median\)/ { paging = $NF + 0 }
    END {
        if (!typing || !paging) { print "FAIL: no figures"; exit 1 }
        verdict = typing <= limit && paging <= limit ? "PASS" : "FAIL"
        printf "%s: typing at 10 MB %.2fx, paging to 2 MB %.2fx, against a limit of %s\n", verdict, typing, paging, limit
    }' "$out"
