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

# A prefix of its own, set up for the pictures: Wine draws the window frame itself (there is no
# window manager on the private display), and the dialogs' logical font MS Shell Dlg is drawn in
# the face Wine maps it to, with Wine's MS Sans Serif at hand when the system has it (Debian's
# fonts-wine). With a DPI given, the prefix is one of its own too.
prepare_prefix() { # [dpi]
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    for font in /usr/share/wine/fonts/sserife.fon /usr/share/wine/fonts/marlett.ttf; do
        [ -f "$font" ] && [ ! -f "$fonts/$(basename "$font")" ] && cp "$font" "$fonts/"
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
    if [ -n "${1:-}" ]; then
        "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
            >/dev/null 2>&1
        "$WINE" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
        # Wine reads the DPI when it starts.
        wine_stop
        wine_start
    fi
}

WINEPREFIX="$build/screenshot-prefix"
. "$dir/wine-env.sh"
app=""
WINE_SESSION_CLEANUP='[ -n "$app" ] && kill "$app" 2>/dev/null || true'
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
xdotool mousemove 0 0 # no control lit up by the pointer
sleep 2 # let it paint
import -window "$window" "$out"
echo "Wrote $out"
kill "$app" 2>/dev/null || true
app=""

# The Preview dialog with names in several scripts.
shots=$(mktemp -d)
"$WINE" "$build/dialog_shots.exe" "Z:$(echo "$shots" | tr / '\\\\')" scripts </dev/null
convert "$shots/preview-scripts.bmp" "$docs/preview-scripts.png"
echo "Wrote $docs/preview-scripts.png"
rm -rf "$shots"
wine_stop

# The four dialogs at 144 DPI.
WINEPREFIX="$build/screenshot-prefix-144dpi"
export WINEPREFIX
wine_start
prepare_prefix 144
shots=$(mktemp -d)
"$WINE" "$build/dialog_shots.exe" "Z:$(echo "$shots" | tr / '\\\\')" </dev/null
for dialog in main preview confirm about; do
    convert "$shots/$dialog.bmp" "$docs/$dialog-dialog-144dpi.png"
    echo "Wrote $docs/$dialog-dialog-144dpi.png"
done
rm -rf "$shots"
