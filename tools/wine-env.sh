# Sourced by the scripts of tools/ that run Windows programs: a private Wine prefix, a pinned
# locale (TARNWICK_LOCALE when set, such as ja_JP.UTF-8 for a Japanese system) and the fonts of
# tools/fonts.conf, whatever else the machine has installed.
# Usage: WINEPREFIX=<prefix-dir>; . tools/wine-env.sh; wine_session [display]
export WINEPREFIX
FONTCONFIG_FILE="$(cd "$(dirname "$0")" && pwd)/fonts.conf"
export FONTCONFIG_FILE
export WINEDEBUG=-all
# TARNWICK_DLL_OVERRIDES adds Wine load orders for single DLLs, such as "dwmapi=n,b" for Windows'
# order of search for that name (a DLL in the program's folder first).
export WINEDLLOVERRIDES="mscoree,mshtml=${TARNWICK_DLL_OVERRIDES:+;$TARNWICK_DLL_OVERRIDES}"
export LC_ALL="${TARNWICK_LOCALE:-C.UTF-8}" # C.UTF-8: ANSI code page 1252
WINE=$(command -v wine64 || true)
[ -n "$WINE" ] || { [ -x /usr/lib/wine/wine64 ] && WINE=/usr/lib/wine/wine64; } || WINE=wine
export WINE

# Starts Wine's background services detached from our pipes, so that they do not hold a test
# runner's output open; creates the prefix on first use.
wine_start() {
    mkdir -p "$WINEPREFIX"
    setsid wineserver -p </dev/null >/dev/null 2>&1 &
    setsid "$WINE" wineboot </dev/null >/dev/null 2>&1
}

# Sets the prefix up as the program is shown to its users and in its pictures; Wine's services
# must be running. Into the prefix's Fonts go the faces Windows has and Wine's prefix lacks, from
# Debian's fonts-wine: Marlett, which Windows draws the caption buttons and the marks of menus
# with, and MS Sans Serif.
wine_prepare_prefix() {
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    for font in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/sserife.fon; do
        [ -f "$fonts/${font##*/}" ] || cp "$font" "$fonts/"
    done
    # The dialog font has Western letters only. For the characters of other scripts Wine's text
    # layout draws with a fallback face per script, named under the script's OpenType tag in
    # hex: Han, kana and Hangul from WenQuanYi Micro Hei (fonts-wqy-microhei), and characters of
    # no script, such as emoji, from Symbola (fonts-symbola). Accented Latin, Cyrillic and Greek
    # letters are found without help.
    for tag in 696e6168 616e616b 676e6168; do # hani, kana, hang
        "$WINE" reg add 'HKCU\Software\Wine\Uniscribe\Fallback' /v "$tag" \
            /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    "$WINE" reg add 'HKCU\Software\Wine\Uniscribe\Fallback' /v 0 /d Symbola /f >/dev/null 2>&1
    # Asked for the label of drive Z:, the root of the file system, Wine reads the block device the
    # root is mounted from, which a user may not read, and then says "Read access denied for
    # device" on every such question. Z:'s device named as the root folder itself, Wine takes the
    # label from the folder, as it does for C:.
    ln -sfn / "$WINEPREFIX/dosdevices/z::"
}

wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
}

# Starts Xvfb when no display is given; sets DISPLAY and XVFB_PID.
xvfb_start() {
    XVFB_PID=""
    [ -n "${DISPLAY:-}" ] && return 0
    n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    DISPLAY=":$n"
    export DISPLAY
    i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
}

xvfb_stop() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# The start-up every script shares: a display (ours when none is given, or always ours with
# "private"), Wine's services, and both stopped again on any exit. Extra clean-up can go into
# WINE_SESSION_CLEANUP (a command run first on exit).
wine_session() {
    [ "${1:-}" = private ] && DISPLAY=""
    trap 'eval "${WINE_SESSION_CLEANUP:-:}"; wine_stop; xvfb_stop' EXIT
    trap 'exit 130' INT TERM
    xvfb_start
    wine_start
}
