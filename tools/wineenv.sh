# shellcheck shell=bash
# Wine set-up shared by tools/e2e.sh, tools/screenshot.sh and tools/run.sh. Source it.
#   pw_locale                  zh_CN.UTF-8, so Wine's ANSI code page is 936
#   pw_wine_registry [headless] fonts and registry a fresh prefix needs ($WINEPREFIX set);
#                              $PW_DPI (e.g. 144) sets the prefix's screen DPI
#   pw_wine_up / pw_wine_down  throwaway prefix on a private Xvfb: trap pw_wine_down EXIT,
#                              then pw_wine_up; everything lives in $PW_WORK and goes away.

# Only what pw_wine_up made is ever cleaned up, never something named by the caller's environment.
PW_WORK=
PW_XVFB_PID=

pw_log() { echo "[wine-env] $*" >&2; }

pw_now() { date +%s.%N; }
pw_since() { awk -v a="$1" -v b="$(pw_now)" 'BEGIN { printf "%.1f", b - a }'; }

# Wine takes its ANSI code page from the Unix locale: zh_CN.UTF-8 gives 936.
pw_locale() {
    if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
        local sudo_cmd=()
        [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo -n)
        "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 2>/dev/null ||
            pw_log "warning: no zh_CN.UTF-8 locale; Wine falls back to another code page"
    fi
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}

# Own X server on whatever display number is free; -displayfd reports it once it accepts clients.
pw_xvfb_up() {
    local screen="${PW_SCREEN:-1024x768x24}" fdfile="$PW_WORK/display" _
    : >"$fdfile"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$fdfile" >"$PW_WORK/xvfb.log" 2>&1 &
    PW_XVFB_PID=$!
    for _ in $(seq 1 200); do
        if grep -q '^[0-9]' "$fdfile" 2>/dev/null; then
            DISPLAY=":$(head -n1 "$fdfile" | tr -dc 0-9)"
            export DISPLAY
            return 0
        fi
        kill -0 "$PW_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    pw_log "Xvfb did not start:"
    cat "$PW_WORK/xvfb.log" >&2
    return 1
}

# Chinese UI fonts map to WenQuanYi Micro Hei: WenQuanYi Zen Hei's own 12-pixel glyphs (9
# points at 96 DPI) are broken for some characters (转, 编), whoever draws them. Crash dialogs
# stay off so a crashing program ends instead of waiting for a click. With "headless" (no
# window manager, as on our Xvfb) windows are unmanaged: Wine would otherwise wait 2 s for a
# window manager on every hide. A .reg file with non-ASCII names must be UTF-16.
# Raise PW_WINE_SETUP when this changes, so that tools/run.sh updates an existing prefix.
PW_WINE_SETUP=2
pw_wine_registry() {
    local target="WenQuanYi Micro Hei" name reg="$WINEPREFIX/drive_c/pw-setup.reg"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        for name in "SimSun" "宋体" "NSimSun" "新宋体" "SimHei" "黑体" "KaiTi" "楷体" "FangSong" "仿宋" \
            "Microsoft YaHei" "微软雅黑" "Microsoft YaHei UI" "DengXian" "等线"; do
            printf '"%s"="%s"\r\n' "$name" "$target"
        done
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
        if [ -n "${PW_DPI:-}" ]; then
            printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n' "$PW_DPI"
        fi
        if [ "${1:-}" = headless ]; then
            printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
        fi
    } | iconv -f UTF-8 -t UTF-16LE >"$reg.body"
    { printf '\xff\xfe'; cat "$reg.body"; } >"$reg"
    rm -f "$reg.body"
    wine regedit /S 'C:\pw-setup.reg'
    rm -f "$reg"
    # Debian's Wine does not find its own fonts (Marlett draws caption buttons, menu
    # checks); the prefix's Fonts folder is always searched.
    if [ -d /usr/share/wine/fonts ]; then
        cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    echo "$PW_WINE_SETUP" >"$WINEPREFIX/penwick-setup"
}

# True when the prefix was set up by an older pw_wine_registry, or never.
pw_wine_setup_stale() {
    [ "$(cat "$WINEPREFIX/penwick-setup" 2>/dev/null)" != "$PW_WINE_SETUP" ]
}

pw_wine_up() {
    PW_WORK="$(mktemp -d "${TMPDIR:-/tmp}/pwwine.XXXXXX")"
    export WINEPREFIX="$PW_WORK/prefix"
    export WINEARCH=win64
    export WINEDEBUG="${PW_WINEDEBUG:--all}"
    # No Mono/Gecko installers; no menu entries written into the real home.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # What the program writes under "home" stays in the throwaway tree.
    export HOME="$PW_WORK/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
    mkdir -p "$HOME" "$WINEPREFIX"
    pw_locale
    pw_xvfb_up

    local t0
    t0="$(pw_now)"
    # One server for the whole run, instead of one per wine command.
    wineserver -p
    wineboot -i >"$PW_WORK/wineboot.log" 2>&1 || {
        pw_log "wineboot failed:"
        cat "$PW_WORK/wineboot.log" >&2
        return 1
    }
    pw_wine_registry headless
    # Explorer (the tray's owner) and the services read those settings only at start.
    wineserver -k >/dev/null 2>&1 || true
    timeout 15 wineserver -w >/dev/null 2>&1 || true
    wineserver -p
    PW_PREFIX_SECONDS="$(pw_since "$t0")"
    pw_log "prefix ready in ${PW_PREFIX_SECONDS}s (display $DISPLAY)"
}

pw_wine_down() {
    if [ -n "$PW_WORK" ] && [ "${WINEPREFIX:-}" = "$PW_WORK/prefix" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k >/dev/null 2>&1 || true
        timeout 15 wineserver -w >/dev/null 2>&1 || true
    fi
    if [ -n "$PW_XVFB_PID" ]; then
        kill "$PW_XVFB_PID" 2>/dev/null || true
        wait "$PW_XVFB_PID" 2>/dev/null || true
        PW_XVFB_PID=
    fi
    if [ -n "$PW_WORK" ] && [ -d "$PW_WORK" ]; then
        rm -rf "$PW_WORK" 2>/dev/null || { sleep 1; rm -rf "$PW_WORK"; } || true
        PW_WORK=
    fi
}
