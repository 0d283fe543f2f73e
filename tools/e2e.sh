#!/usr/bin/env bash
# Runs the end-to-end driver PWE2E.exe against PWick.exe under Wine, in a throwaway
# prefix on a private Xvfb.
#   tools/e2e.sh BUILD_DIR [gtest arguments...]
# BUILD_DIR is the cross build holding PWE2E.exe and, beside it, the PWick.exe it drives.
# PW_E2E_TIMEOUT (seconds, default 1800) bounds the whole run, PW_DPI (default 96) is the
# prefix's screen DPI, which the driver sees too.
# Exits with the driver's exit code.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR [gtest arguments...]" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
shift
driver="$build/PWE2E.exe"
if [ ! -f "$driver" ] || [ ! -f "$build/PWick.exe" ]; then
    echo "no $driver or $build/PWick.exe: build the cross tree first" >&2
    exit 2
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=tools/wineenv.sh
. "$here/wineenv.sh"
driver_pid=
# shellcheck disable=SC2317  # run from the traps
stop() {
    [ -z "$driver_pid" ] || kill "$driver_pid" 2>/dev/null || true
    exit "$1"
}
trap pw_wine_down EXIT
trap 'stop 130' INT
trap 'stop 143' TERM

pw_wine_up

t0="$(pw_now)"
rc=0
# In the background, so that Ctrl-C or TERM reach the traps while the driver runs.
(cd "$build" && exec timeout --kill-after=15 "${PW_E2E_TIMEOUT:-1800}" wine "$driver" "$@" </dev/null) &
driver_pid=$!
wait "$driver_pid" || rc=$?
driver_pid=
if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
    echo "e2e: the driver did not finish within ${PW_E2E_TIMEOUT:-1800}s" >&2
fi
echo "e2e: driver exit code $rc after $(pw_since "$t0")s (prefix set up in ${PW_PREFIX_SECONDS}s)"
exit "$rc"
