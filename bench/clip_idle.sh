#!/usr/bin/env bash
# What PWick.exe costs while idling with a large, unchanged text on the clipboard, against an
# empty clipboard: the timer checks the sequence number and should not read the text again.
#   bench/clip_idle.sh CROSS_BUILD_DIR [seconds]
# CROSS_BUILD_DIR holds PWick.exe and ClipFill.exe. Runs one after the other in one throwaway
# prefix, each measuring PWick's CPU time (user + system) over the same window (default 30 s)
# once its window is up: PW_IDLE_ROUNDS (default 4) rounds of an emptied clipboard and
# PW_BENCH_MB (default 20) MB of unchanged text, in alternating order (the first run in a fresh
# prefix costs more, and a single run can be a third off), then once the same text set again
# every second, which forces real reads and shows what they cost. Each side's figure is the
# median of its rounds. Wine's GetProcessTimes gives zeros for another process, so the figures
# come from /proc/<pid>/ of PWick's Unix process.
# Prints PASS or FAIL for unchanged / empty against PW_BENCH_LIMIT (default 1.2); it is a
# benchmark, not a test.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 CROSS_BUILD_DIR [seconds]" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
seconds="${2:-30}"
megabytes="${PW_BENCH_MB:-20}"
settle="${PW_BENCH_SETTLE:-3}"
limit="${PW_BENCH_LIMIT:-1.2}"
rounds="${PW_IDLE_ROUNDS:-4}"
for exe in PWick.exe ClipFill.exe; do
    if [ ! -f "$build/$exe" ]; then
        echo "no $build/$exe: build the cross tree first" >&2
        exit 2
    fi
done
for n in "$seconds" "$rounds"; do
    case "$n" in '' | *[!0-9]* | 0)
        echo "seconds and PW_IDLE_ROUNDS must be whole numbers above 0" >&2
        exit 2
        ;;
    esac
done

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=tools/wineenv.sh
. "$root/tools/wineenv.sh"
trap pw_wine_down EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

hz="$(getconf CLK_TCK)"

log() { echo "[clip-idle] $*" >&2; }
die() {
    log "$*"
    exit 1
}

# The Unix pid of the process called $1 in our prefix; other prefixes may run the same program.
prefix_pid() {
    local p found=
    for p in /proc/[0-9]*; do
        [ "$(cat "$p/comm" 2>/dev/null)" = "$1" ] || continue
        grep -qzxF -- "WINEPREFIX=$WINEPREFIX" "$p/environ" 2>/dev/null || continue
        [ -z "$found" ] || die "more than one $1 in $WINEPREFIX"
        found="${p#/proc/}"
    done
    [ -n "$found" ] && echo "$found"
}

# "utime+stime starttime" in clock ticks, from fields 14, 15 and 22 of /proc/<pid>/stat.
# The command name (field 2) may hold spaces, so the fields are counted after its ')'.
proc_times() {
    local stat
    stat="$(cat "/proc/$1/stat" 2>/dev/null)" || return 1
    stat="${stat##*) }"
    # shellcheck disable=SC2086  # split into fields on purpose
    set -- $stat
    echo "$((${12} + ${13})) ${20}"
}

# On-CPU nanoseconds of the threads of $1 now alive, from /proc/<pid>/task/*/schedstat: a
# finer cross-check of the tick figures, which over an idle window are only a few ticks.
thread_ns() {
    local t v sum=0
    for t in /proc/"$1"/task/*/schedstat; do
        { read -r v _ <"$t"; } 2>/dev/null && sum=$((sum + v))
    done
    echo "$sum"
}

wait_for() {
    local what="$1" within="$2" _
    shift 2
    for _ in $(seq 1 $((within * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    die "no $what after ${within}s"
}

window_up() { xdotool search --name '^PenWick ' >/dev/null 2>&1; }

# run LABEL CLIPFILL-ARGUMENTS...: sets run_ticks and run_server_ticks (clock ticks) and run_ns.
run() {
    local label="$1" filllog="$PW_WORK/clipfill-$1.log" fill_job pw_job pid ws t0 t1 w0 w1 n0 n1 start0 start1
    shift
    wine reg add 'HKCU\Software\Velmora\PenWick' /v ClipRate /t REG_SZ /d 100 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Velmora\PenWick' /v GetClip /t REG_SZ /d True /f >/dev/null 2>&1

    # The clipboard is filled before PWick starts: its start-up read takes the text, and every
    # tick after that sees the same sequence number.
    (cd "$build" && exec wine ./ClipFill.exe "$@" --seconds $((seconds + 300)) </dev/null >"$filllog" 2>&1) &
    fill_job=$!
    wait_for "clipboard from ClipFill ($label)" 120 grep -q '^ready' "$filllog"
    log "$label: $(grep '^ready' "$filllog" | tr -d '\r')"

    (cd "$build" && exec wine ./PWick.exe </dev/null >"$PW_WORK/pwick-$label.log" 2>&1) &
    pw_job=$!
    wait_for "PWick.exe process in $WINEPREFIX" 60 prefix_pid PWick.exe >/dev/null
    pid="$(prefix_pid PWick.exe)" || die "PWick.exe in $WINEPREFIX went away"
    wait_for "PenWick window" 60 window_up
    sleep "$settle"

    ws="$(prefix_pid wineserver64 || prefix_pid wineserver || true)"
    n0="$(thread_ns "$pid")"
    read -r t0 start0 < <(proc_times "$pid") || die "PWick.exe ($pid) ended before the window"
    w0="$( { [ -n "$ws" ] && proc_times "$ws"; } | cut -d' ' -f1)"
    sleep "$seconds"
    read -r t1 start1 < <(proc_times "$pid") || die "PWick.exe ($pid) ended during the window"
    n1="$(thread_ns "$pid")"
    [ "$start0" = "$start1" ] || die "pid $pid is no longer PWick.exe"
    w1="$( { [ -n "$ws" ] && proc_times "$ws"; } | cut -d' ' -f1)"

    (cd "$build" && wine ./ClipFill.exe --stop </dev/null >/dev/null 2>&1) || log "$label: ClipFill had already ended"
    wait "$fill_job" || log "$label: ClipFill exit code $?"
    grep '^stopped' "$filllog" | tr -d '\r' | sed "s/^/[clip-idle] $label: ClipFill /" >&2 || true
    wineserver -k >/dev/null 2>&1 || true
    timeout 15 wineserver -w >/dev/null 2>&1 || true
    wait "$pw_job" 2>/dev/null || true
    # One server for the next run too, as pw_wine_up left it.
    wineserver -p
    run_ticks=$((t1 - t0))
    run_server_ticks=$((${w1:-0} - ${w0:-0}))
    run_ns=$((n1 - n0))
}

log "PWick.exe and ClipFill.exe from $build; $rounds rounds of ${seconds}s a run, ${settle}s after the window appears"
pw_wine_up
# One line per run: "label ticks server-ticks thread-ns".
runs="$PW_WORK/idle-runs.txt"
: >"$runs"
measure() {
    run "$@"
    echo "$1 $run_ticks $run_server_ticks $run_ns" >>"$runs"
    log "$1: $(awk -v ns="$run_ns" 'BEGIN { printf "%.3f", ns / 1e9 }') s on PWick's threads"
}
for i in $(seq 1 "$rounds"); do
    if [ $((i % 2)) -eq 1 ]; then
        measure empty --empty
        measure unchanged "$megabytes"
    else
        measure unchanged "$megabytes"
        measure empty --empty
    fi
done
measure churning "$megabytes" --churn

awk -v hz="$hz" -v s="$seconds" -v mb="$megabytes" -v limit="$limit" -v rounds="$rounds" '
    { n[$1]++; ticks[$1, n[$1]] = $2; server[$1, n[$1]] = $3; ns[$1, n[$1]] = $4 }
    function median(a, label,    k, i, j, t, v) {
        k = n[label]
        for (i = 1; i <= k; i++) v[i] = a[label, i]
        for (i = 2; i <= k; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
        return k % 2 ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2
    }
    function row(what, label) {
        printf "  %-34s %8.2f s %8.3f s %8.2f s\n", what, median(ticks, label) / hz,
            median(ns, label) / 1e9, median(server, label) / hz
    }
    END {
        printf "PWick.exe CPU time (user + system) over %d s, ClipRate 100 ms, clock tick %.3f s;\n", s, 1 / hz
        printf "median of %d rounds (churning: one run); odd rounds ran the empty clipboard first:\n", rounds
        for (i = 1; i <= n["empty"]; i++)
            printf "  round %d: empty %.3f s, unchanged %.3f s\n", i, ns["empty", i] / 1e9, ns["unchanged", i] / 1e9
        printf "  %-34s %10s %10s %10s\n", "", "/proc stat", "threads", "wineserver"
        row("empty clipboard", "empty")
        row(mb " MB text, unchanged", "unchanged")
        row(mb " MB text, set again every second", "churning")
        # An idle program uses a few clock ticks in the whole window, so one tick more or less
        # would swing a tick ratio by a quarter: the nanoseconds of the threads decide.
        e = median(ns, "empty")
        r = e > 0 ? median(ns, "unchanged") / e : 0
        printf "from the threads: unchanged / empty %.2f   churning / empty %.2f\n", r, (e > 0 ? median(ns, "churning") / e : 0)
        printf "%s: unchanged / empty %.2f against a limit of %s\n", (r > 0 && r <= limit ? "PASS" : "FAIL"), r, limit
    }' "$runs"
