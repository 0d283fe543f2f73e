#!/usr/bin/env bash
# Takes a screenshot of PWick.exe running under Wine in a throwaway prefix on a private Xvfb.
#   tools/screenshot.sh BUILD_DIR OUT.png [program arguments...]
# PW_SHOT_DELAY (seconds, default 5) is how long the program gets to show itself;
# PW_SCREEN (default 1024x768x24) the screen; PW_EXE another program.
set -euo pipefail

if [ $# -lt 2 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR OUT.png [program arguments...]" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
out="$2"
shift 2
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
program="${PW_EXE:-$build/PWick.exe}"
if [ ! -f "$program" ]; then
    echo "no $program" >&2
    exit 2
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=tools/wineenv.sh
. "$here/wineenv.sh"
trap pw_wine_down EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

pw_wine_up

(cd "$(dirname "$program")" && exec wine "$program" "$@" </dev/null >"$PW_WORK/program.log" 2>&1) &
sleep "${PW_SHOT_DELAY:-5}"
import -display "$DISPLAY" -window root "png:$out.tmp"
mv "$out.tmp" "$out"
echo "screenshot: $out"
