#!/usr/bin/env bash
# Checks what ships: the help unpacks to the pages it was compiled from and has a keyword
# index, the read-me is GBK with CR LF, the zip holds the program folder, and PenWick.msi
# installs into a throwaway Wine prefix, shows where and whose it is, starts from there and
# uninstalls without a trace, taking what the program wrote machine-wide with it.
#   tools/dist-test.sh CROSS_BUILD_DIR
# Ends with one line "dist: N passed, M failed"; exits non-zero when a check failed.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 CROSS_BUILD_DIR" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cmake --build "$build" --target dist >/dev/null || { echo "dist: 0 passed, 1 failed"; exit 1; }

passed=0 failed=0
check() { # check NAME COMMAND...: one line per check
    if "${@:2}"; then
        passed=$((passed + 1)); echo "[ ok ] $1"
    else
        failed=$((failed + 1)); echo "[FAIL] $1"
    fi
}

# shellcheck source=tools/wineenv.sh
. "$here/wineenv.sh"
program_pid=
finish() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    pw_wine_down
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

help_unpacks() {
    local out="$build/dist/chm-check"
    rm -rf "$out" && extract_chmLib "$build/PWick.chm" "$out" >/dev/null &&
        [ -n "$(ls "$build/resources/help")" ] &&
        for f in "$build"/resources/help/*; do
            case "$f" in *.hhp | *.chm) continue ;; esac
            cmp -s "$f" "$out/$(basename "$f")" || { echo "  $(basename "$f") differs or is missing"; return 1; }
        done
}
# Every keyword of the index leads to a page the help holds.
help_has_index() {
    python3 - "$build/dist/chm-check" <<'PY'
import pathlib, re, sys
folder = pathlib.Path(sys.argv[1])
index = next(folder.glob("*.hhk"), None)
if index is None:
    sys.exit("  no .hhk in the help")
text = index.read_bytes().decode("gbk")
keywords = re.findall(r'<param name="Name" value="([^"]*)">', text)
pages = re.findall(r'<param name="Local" value="([^"]*)">', text)
missing = sorted({p for p in pages if not (folder / p.split("#")[0]).is_file()})
if len(keywords) < 20 or missing:
    sys.exit(f"  {len(keywords)} keywords; pages missing: {missing}")
PY
}
readme_is_gbk_crlf() {
    python3 -c '
import sys
data = open(sys.argv[1], "rb").read()
data.decode("gbk")
sys.exit(data.count(b"\n") != data.count(b"\r\n") or b"\r\n" not in data)' "$build/readme.txt"
}
zip_holds_program_folder() {
    local listing
    listing="$(python3 -c 'import sys, zipfile; print("\n".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' \
        "$build"/PenWick-*.zip)" &&
        [ "$listing" = "$(printf 'PenWick/%s\n' '' Add.wav OpenCC-LICENSE.txt PWick.chm PWick.exe readme.txt)" ]
}
check "PWick.chm unpacks to its pages and contents" help_unpacks
check "the help's keyword index leads to its pages" help_has_index
check "readme.txt is GBK with CR LF line ends" readme_is_gbk_crlf
check "the zip holds the program folder" zip_holds_program_folder

pw_wine_up >/dev/null 2>&1 || { echo "dist: $passed passed, $((failed + 1)) failed"; exit 1; }
folder="$WINEPREFIX/drive_c/Program Files/PenWick"
# Windows puts a per-machine shortcut into the common Start menu; Wine's installer into the
# user's. Either counts.
shortcuts=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/PenWick.lnk"
    "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/PenWick.lnk")
installed=(PWick.exe PWick.chm readme.txt Add.wav OpenCC-LICENSE.txt)
user_key='HKCU\Software\Velmora\PenWick'
machine_key='HKLM\Software\Velmora\PenWick'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'

install() {
    local f
    wine msiexec /i "$build/PenWick.msi" /qn >/dev/null 2>&1 || return 1
    for f in "${installed[@]}"; do [ -f "$folder/$f" ] || { echo "  no $f"; return 1; }; done
    [ -f "${shortcuts[0]}" ] || [ -f "${shortcuts[1]}" ] || { echo "  no Start-menu shortcut"; return 1; }
}
# A window whose caption starts with PenWick shows up within 30 s.
starts_from_program_files() {
    (cd "$folder" && exec wine "$folder/PWick.exe" </dev/null >/dev/null 2>&1) &
    program_pid=$!
    local _
    for _ in $(seq 1 60); do
        xdotool search --name '^PenWick' >/dev/null 2>&1 && return 0
        sleep 0.5
    done
    return 1
}
# Add/Remove Programs shows the folder and the maker's page.
listed_with_location_and_page() {
    local entry
    entry="$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '/^HKEY/ { key = $0 } { block[key] = block[key] "\n" $0 }
            END { for (k in block) if (block[k] ~ /DisplayName +REG_SZ +PenWick/) print block[k] }')"
    grep -qi 'InstallLocation.*REG_SZ.*Program Files\\PenWick' <<<"$entry" &&
        grep -qi 'URLInfoAbout.*REG_SZ.*velmora' <<<"$entry" || {
        echo "  entry: $entry"
        return 1
    }
}
# What the program writes machine-wide: its key, and the start-with-Windows entry that names
# it (quoted, as the path holds a space).
write_machine_entries() {
    wine reg add "$machine_key" /v Version /t REG_SZ /d 1.10.0031 /f >/dev/null 2>&1 &&
        wine reg add "$run_key" /v Penwick /t REG_SZ /d '"C:\Program Files\PenWick\PWick.exe"' /f \
            >/dev/null 2>&1
}
machine_entries_gone() {
    ! wine reg query "$machine_key" >/dev/null 2>&1 || { echo "  left: $machine_key"; return 1; }
    ! wine reg query "$run_key" /v PenWick >/dev/null 2>&1 || { echo "  left: the Run entry"; return 1; }
}
stop_program() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}
uninstall() {
    wine msiexec /x "$build/PenWick.msi" /qn >/dev/null 2>&1 || return 1
    [ ! -e "$folder" ] || { echo "  left: $(ls -A "$folder")"; return 1; }
    if [ -e "${shortcuts[0]}" ] || [ -e "${shortcuts[1]}" ]; then
        echo "  left: the shortcut"
        return 1
    fi
}
user_settings_kept() {
    wine reg query "$user_key" /v ClipRate 2>/dev/null | tr -d '\r' | grep -q 'ClipRate.*REG_SZ.*250'
}

wine reg add "$user_key" /v ClipRate /t REG_SZ /d 250 /f >/dev/null 2>&1
check "msiexec /i installs every file and the Start-menu shortcut" install
check "Add/Remove Programs shows the install location and the maker's page" \
    listed_with_location_and_page
check "PWick.exe starts from Program Files" starts_from_program_files
stop_program
write_machine_entries
check "msiexec /x leaves no file, folder or shortcut" uninstall
check "msiexec /x removes the machine-wide key and the Run entry naming PWick.exe" \
    machine_entries_gone
check "the user's settings stay untouched" user_settings_kept

echo "dist: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
