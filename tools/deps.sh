#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, skipping what is already there.
set -euo pipefail

packages=(
    cmake g++ make python3 pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    # Wine's own fonts (caption buttons, check marks) are only a recommendation of wine.
    wine wine64 fonts-wine xvfb xauth fonts-wqy-microhei locales
    opencc libopencc-dev
    # Chinese translation catalogues: the real-world text of the converter benchmark.
    libc-l10n gettext git gnupg-l10n libglib2.0-data libgtk2.0-common gsettings-desktop-schemas
    shared-mime-info wget xkb-data iso-codes
    imagemagick xdotool
    # Help compiler, CHM reader and the Windows Installer package builder.
    fp-utils libchm-bin wixl
    # Fuzzing (libFuzzer comes with clang's runtime libraries) and static analysis.
    clang libclang-rt-14-dev clang-tidy cppcheck
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Wine gives code page 936 only when the Chinese locale exists.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || true
fi
