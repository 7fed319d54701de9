#!/bin/sh
# The installer's whole life in a fresh Wine prefix: the package built twice gives the same bytes;
# installed, it starts the program from Program Files and adds one Add/Remove Programs entry; a
# package of a higher version replaces it; the older one is then refused; uninstalled, it leaves
# no file, shortcut or registry key behind.
# Usage: test-msi.sh <windows-build-dir>; the packages and the prefix go into <dir>/msi-test.
set -u
dir=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
work="$build/msi-test"
rm -rf "$work"
mkdir -p "$work"
failures=0
fail() {
    printf 'FAILED: %s\n' "$*"
    failures=$((failures + 1))
}

# ---- The packages ----
version=$(sed -n 's/^project(tarnwick VERSION \([0-9.]*\).*/\1/p' "$dir/../CMakeLists.txt")
newer=$(echo "$version" | awk -F. '{print $1 "." $2 "." $3 + 1}')
"$dir/msi.sh" "$build" "$work/old.msi" >/dev/null || exit 1
sleep 1 # a clock that leaks into the package shows now
"$dir/msi.sh" "$build" "$work/again.msi" >/dev/null || exit 1
"$dir/msi.sh" "$build" "$work/new.msi" "$newer" >/dev/null || exit 1
cmp -s "$work/old.msi" "$work/again.msi" || fail "the same sources gave two different packages"

# The codes as the registry also writes them: each part reversed, the last two in pairs.
packed() { echo "$1" | tr -d '{}' | awk -F- '{
    s = ""; for (i = 1; i <= 3; ++i) for (j = length($i); j > 0; --j) s = s substr($i, j, 1)
    r = $4 $5; for (j = 1; j < length(r); j += 2) s = s substr(r, j + 1, 1) substr(r, j, 1); print s }'; }
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F '\t' -v name="$2" '$1 == name {print $2}'; }
old_code=$(property "$work/old.msi" ProductCode)
new_code=$(property "$work/new.msi" ProductCode)
upgrade_code=$(property "$work/old.msi" UpgradeCode)
[ "$upgrade_code" = "$(property "$work/new.msi" UpgradeCode)" ] || fail "the upgrade code changed"
[ "$old_code" != "$new_code" ] || fail "two versions share the product code $old_code"
# What Windows acts on but Wine does not show: every component is 64-bit (else its registry
# values land in the 32-bit view), and the shortcut names its target (else it is advertised).
msiinfo export "$work/old.msi" Component | tr -d '\r' | awk -F '\t' 'NR > 3 && int($4 / 256) % 2 == 0 {print $1}' |
    while read -r c; do echo "FAILED: the component $c is not 64-bit"; done | grep . && failures=$((failures + 1))
msiinfo export "$work/old.msi" Shortcut | tr -d '\r' | awk -F '\t' 'NR > 3 && $5 !~ /^\[/ {print $1}' |
    while read -r s; do echo "FAILED: the shortcut $s is advertised"; done | grep . && failures=$((failures + 1))

# ---- A fresh prefix; no Linux menu entries ----
WINEPREFIX="$work/prefix"
. "$dir/wine-env.sh"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
wine_session
files() { (cd "$WINEPREFIX/drive_c" && find . | grep -v -i '/temp\(/\|$\)' | sort); }
registry() {
    for root in HKLM HKCU; do
        "$WINE" reg export "$root" "$(winepath -w "$work/$root.reg")" /y >/dev/null 2>&1
        iconv -f UTF-16LE -t UTF-8 "$work/$root.reg"
    done
}
msiexec() {
    "$WINE" msiexec "$1" "$2" /qn >/dev/null 2>&1
    echo $?
}
# The Add/Remove Programs entries named Tarnwick, one line each: key, version, publisher.
entries() {
    "$WINE" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '
        /^HKEY_/ { if (name == "Tarnwick") print key, version, publisher; key = $0; name = version = publisher = "" }
        $1 == "DisplayName" { name = substr($0, index($0, "REG_SZ") + 10) }
        $1 == "DisplayVersion" { version = $3 }
        $1 == "Publisher" { publisher = substr($0, index($0, "REG_SZ") + 10) }
        END { if (name == "Tarnwick") print key, version, publisher }'
}
expect_entry() { # <product code> <version>
    seen=$(entries)
    want="HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1 $2 The Tarnwick authors"
    [ "$seen" = "$want" ] || fail "Add/Remove Programs should hold one entry, $want; it holds: $seen"
    # Registered for the machine, where Windows Installer also keeps the icon it shows, the
    # program's own.
    product="HKLM\\Software\\Classes\\Installer\\Products\\$(packed "$1")"
    if ! "$WINE" reg query "$product" >/dev/null 2>&1; then
        fail "$1 is not installed per machine: no $product"
        return
    fi
    icon=$("$WINE" reg query "$product" /v ProductIcon 2>/dev/null | tr -d '\r' |
        awk '$1 == "ProductIcon" {print $3}')
    [ -n "$icon" ] && cmp -s "$(winepath -u "$icon")" "$dir/../src/res/tarnwick.ico" ||
        fail "no icon of the program in Add/Remove Programs (ProductIcon: $icon)"
}
files_before=$(files)
registry_before=$(registry)

# ---- Install, and start the program from Program Files ----
rc=$(msiexec /i "$(winepath -w "$work/old.msi")")
[ "$rc" = 0 ] || fail "install exited with $rc"
installed="$WINEPREFIX/drive_c/Program Files/Tarnwick"
for f in tarnwick.exe README.md LICENSE; do
    [ -f "$installed/$f" ] || fail "$f is not in Program Files\\Tarnwick"
done
shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Tarnwick.lnk')
[ -n "$shortcut" ] && grep -a -q 'Program Files\\Tarnwick\\tarnwick.exe' "$shortcut" ||
    fail "no Start Menu shortcut to Program Files\\Tarnwick\\tarnwick.exe"
expect_entry "$old_code" "$version"
title="Tarnwick v$(echo "$version" | cut -d. -f1-2)"
"$WINE" 'C:\Program Files\Tarnwick\tarnwick.exe' >/dev/null 2>&1 &
program=$!
window=""
i=0
while [ -z "$window" ] && [ $i -lt 120 ]; do
    sleep 0.5
    window=$(xdotool search --all --pid "$program" --name "^$title\$" 2>/dev/null)
    i=$((i + 1))
done
[ -n "$window" ] || fail "the installed program showed no window \"$title\""
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null

# ---- Upgrade, then the older version is refused ----
rc=$(msiexec /i "$(winepath -w "$work/new.msi")")
[ "$rc" = 0 ] || fail "upgrade exited with $rc"
expect_entry "$new_code" "$newer"
rc=$(msiexec /i "$(winepath -w "$work/old.msi")")
[ "$rc" = 67 ] || fail "the older version over the newer one exited with $rc, not 1603 (67)"
expect_entry "$new_code" "$newer"
[ -f "$installed/tarnwick.exe" ] || fail "the refused downgrade removed the program"

# ---- Uninstall: nothing left ----
rc=$(msiexec /x "$new_code")
[ "$rc" = 0 ] || fail "uninstall exited with $rc"
# What is new in the places a package writes to, or names Tarnwick anywhere (Wine's own set-up
# may still add files elsewhere). Windows Installer's own cache folder may stay, empty.
printf '%s\n' "$files_before" >"$work/files-before"
left=$(files | comm -13 "$work/files-before" - | grep -v -x './windows/Installer' |
    grep -i -e tarnwick -e '^\./Program Files' -e '^\./ProgramData' -e '/Start Menu/' \
        -e '^\./windows/Installer/')
[ -z "$left" ] || fail "uninstall left files: $left"
registry_after=$(registry)
for word in Tarnwick "$old_code" "$new_code" "$upgrade_code" "$(packed "$old_code")" \
    "$(packed "$new_code")" "$(packed "$upgrade_code")"; do
    word=$(echo "$word" | tr -d '{}')
    before=$(printf '%s\n' "$registry_before" | grep -c -i -F "$word")
    after=$(printf '%s\n' "$registry_after" | grep -i -F "$word")
    [ "$(printf '%s' "$after" | grep -c .)" -le "$before" ] || fail "uninstall left in the registry: $after"
done

[ "$failures" -eq 0 ] || exit 1
# The prefix is kept only when something failed.
wine_stop
rm -rf "$work"
echo "The package installs, upgrades, refuses a downgrade and uninstalls cleanly."
