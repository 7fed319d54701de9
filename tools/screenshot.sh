#!/bin/sh
# Takes a picture of the Main dialog as it opens: screenshot.sh <build-dir> <output.png>
# Runs tarnwick.exe under Wine on a private Xvfb display and captures the dialog's window. Beside
# it go a picture of the Preview dialog with names in several scripts (preview-scripts.png) and,
# at 144 DPI, pictures of all four dialogs (main-dialog-144dpi.png and so on), so that a control
# cut off or overlapped at a raised DPI shows.
set -e
dir=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=$2
[ -n "$out" ] || { echo "usage: $0 <build-dir> <output.png>" >&2; exit 2; }
mkdir -p "$(dirname "$out")"
docs=$(cd "$(dirname "$out")" && pwd)

# A prefix of its own, set up as make run's (wine_prepare_prefix), and besides: Wine draws the
# window frame itself (there is no window manager on the private display). With a DPI given, the
# prefix is one of its own too.
prepare_prefix() { # [dpi]
    wine_prepare_prefix
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    if [ -n "${1:-}" ]; then
        "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
            >/dev/null 2>&1
        "$WINE" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
        # Wine reads the DPI when it starts.
        wine_stop
        wine_start
    fi
}

# The pictures carry no time and no trace of the machine that made them: the same sources give
# the same bytes.
png() { # <input> <output.png>
    convert "$1" -strip -define png:exclude-chunks=date,time "$2"
}

WINEPREFIX="$build/screenshot-prefix"
. "$dir/wine-env.sh"
app=""
shots=$(mktemp -d)
WINE_SESSION_CLEANUP='[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$shots"'
wine_session private # always a display of our own, whatever the desktop shows
prepare_prefix

title=$(sed -n 's/^#define TARNWICK_TITLE "\(.*\)"$/\1/p' "$build/generated/version.h")
"$WINE" "$build/tarnwick.exe" </dev/null >/dev/null 2>&1 &
app=$!
window=""
i=0
while [ -z "$window" ] && [ $i -lt 300 ]; do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] || { sleep 0.1; i=$((i + 1)); }
done
[ -n "$window" ] || { echo "The Main dialog did not open." >&2; exit 1; }
# The pointer in the corner of the screen, away from the window: no control lit up by it.
xdotool mousemove $(xdotool getdisplaygeometry | awk '{print $1 - 1, $2 - 1}')
sleep 2 # let it paint
import -window "$window" "$shots/window.bmp"
png "$shots/window.bmp" "$out"
echo "Wrote $out"
kill "$app" 2>/dev/null || true
app=""

# The Preview dialog with names in several scripts.
"$WINE" "$build/dialog_shots.exe" "Z:$(echo "$shots" | tr / '\\\\')" scripts </dev/null
png "$shots/preview-scripts.bmp" "$docs/preview-scripts.png"
echo "Wrote $docs/preview-scripts.png"
wine_stop

# The four dialogs at 144 DPI.
WINEPREFIX="$build/screenshot-prefix-144dpi"
export WINEPREFIX
wine_start
prepare_prefix 144
"$WINE" "$build/dialog_shots.exe" "Z:$(echo "$shots" | tr / '\\\\')" </dev/null
for dialog in main preview confirm about; do
    png "$shots/$dialog.bmp" "$docs/$dialog-dialog-144dpi.png"
    echo "Wrote $docs/$dialog-dialog-144dpi.png"
done
