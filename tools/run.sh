#!/usr/bin/env bash
# Sets up and starts PenWick: installs what is missing, builds PWick.exe, and runs it under
# Wine on your display. Settings live in a Wine prefix of your own, so they persist between
# runs (default ~/.local/share/penwick/wine; PW_WINEPREFIX overrides it).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build/cross"

"$root/tools/deps.sh"
cmake -S "$root" -B "$out" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out" -j "$(nproc 2>/dev/null || echo 2)" --target PWick pw_assets

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: run this in a graphical session (or set DISPLAY)." >&2
    exit 1
fi

# shellcheck source=tools/wineenv.sh
. "$root/tools/wineenv.sh"
export WINEPREFIX="${PW_WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/penwick/wine}"
export WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
pw_locale
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)..."
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
fi
if pw_wine_setup_stale; then
    pw_wine_registry
fi
cd "$out"
exec wine "$out/PWick.exe"
