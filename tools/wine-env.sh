# Sourced by the scripts that run Windows programs: a private Wine prefix and a pinned locale
# (TARNWICK_LOCALE when set, such as ja_JP.UTF-8 for a Japanese system).
# Usage: WINEPREFIX=<prefix-dir>; . tools/wine-env.sh; wine_session [display]
export WINEPREFIX
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
