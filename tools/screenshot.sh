#!/bin/sh
# Takes a picture of the Main dialog as it opens: screenshot.sh <build-dir> <output.png>
# Runs tarnwick.exe under Wine on a private Xvfb display and captures the dialog's window.
set -e
dir=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=$2
[ -n "$out" ] || { echo "usage: $0 <build-dir> <output.png>" >&2; exit 2; }
# A prefix of its own, set up for the picture: Wine draws the window frame itself (there is no
# window manager on the private display), and the dialog font is Wine's MS Sans Serif when the
# system has it (Debian's fonts-wine).
WINEPREFIX="$build/screenshot-prefix"
. "$dir/wine-env.sh"

app=""
WINE_SESSION_CLEANUP='[ -n "$app" ] && kill "$app" 2>/dev/null || true'
wine_session private # always a display of our own, whatever the desktop shows
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
fonts="$WINEPREFIX/drive_c/windows/Fonts"
for font in /usr/share/wine/fonts/sserife.fon /usr/share/wine/fonts/marlett.ttf; do
    [ -f "$font" ] && [ ! -f "$fonts/$(basename "$font")" ] && cp "$font" "$fonts/"
done

"$WINE" "$build/tarnwick.exe" </dev/null >/dev/null 2>&1 &
app=$!

window=""
i=0
while [ -z "$window" ] && [ $i -lt 300 ]; do
    window=$(xdotool search --onlyvisible --name '^Tarnwick v2\.0$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] || { sleep 0.1; i=$((i + 1)); }
done
[ -n "$window" ] || { echo "The Main dialog did not open." >&2; exit 1; }
xdotool mousemove 0 0 # no control lit up by the pointer
sleep 2 # let it paint
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "Wrote $out"
