#!/bin/sh
# The installer's whole life in a fresh Wine prefix: the package and the zip, each built twice,
# give the same bytes, with the same program in both; the package's tables follow the rules of
# Windows Installer that wixl does not check; installed, it starts the program from Program Files
# and adds one Add/Remove Programs entry; a package of a higher version replaces it; the older one
# is then refused; uninstalled, it leaves no file, shortcut or registry key behind.
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
# A time of its own, so that every time in both packages is known (DOS times are even seconds).
export SOURCE_DATE_EPOCH=1767225600 # 2026-01-01 00:00:00 UTC
"$dir/msi.sh" "$build" "$work/old.msi" >/dev/null || exit 1
"$dir/dist.sh" "$build" "$work/old.zip" >/dev/null || exit 1
sleep 1 # a clock that leaks into a package shows now, and so does the machine's time zone
TZ=Pacific/Auckland "$dir/msi.sh" "$build" "$work/again.msi" >/dev/null || exit 1
TZ=Pacific/Auckland "$dir/dist.sh" "$build" "$work/again.zip" >/dev/null || exit 1
"$dir/msi.sh" "$build" "$work/new.msi" "$newer" >/dev/null || exit 1
cmp -s "$work/old.msi" "$work/again.msi" || fail "the same sources gave two different packages"
cmp -s "$work/old.zip" "$work/again.zip" || fail "the same sources gave two different zips"
# The zip holds its folder's files in a fixed order, each of the time SOURCE_DATE_EPOCH, and the
# same program as the package.
folder="tarnwick-$version-win64"
entries=$(zipinfo -T "$work/old.zip" | awk '/^-/ {print $(NF - 1), $NF}')
want=$(printf '20260101.000000 %s/%s\n' "$folder" tarnwick.exe "$folder" README.md "$folder" LICENSE)
[ "$entries" = "$want" ] || fail "the zip should hold, in this order and of these times: $want; it holds: $entries"
mkdir "$work/unpacked"
msiextract -C "$work/unpacked" "$work/old.msi" >/dev/null
unzip -p "$work/old.zip" "$folder/tarnwick.exe" | cmp -s - "$work/unpacked/Tarnwick/tarnwick.exe" ||
    fail "the zip's tarnwick.exe and the package's are not the same bytes"

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

# ---- The rules of Windows Installer that wixl does not check (it runs no ICE validation) ----
tables="$work/tables"
mkdir "$tables"
for t in File MsiFileHash Component Directory Registry Shortcut Property Upgrade; do
    msiinfo export "$work/old.msi" $t | tr -d '\r' | awk 'NR > 3' >"$tables/$t"
done
said=$(cd "$tables" && awk -F '\t' -v program="$version.0" '
    FILENAME == "Property" { property[$1] = $2 }
    FILENAME == "File" { version[$1] = $5; language[$1] = $6; component[$1] = $2 }
    FILENAME == "MsiFileHash" && version[$1] != "" { print "ICE60: the versioned file " $1 " is hashed" }
    FILENAME == "Directory" { parent[$1] = $2 }
    FILENAME == "Component" { directory[$1] = $3; attributes[$1] = $4; keyPath[$1] = $6 }
    FILENAME == "Registry" { root[$1] = $2; registryOf[$1] = $6 }
    FILENAME == "Shortcut" { shortcuts[$4] = shortcuts[$4] " " $1; shortcutDirectory[$1] = $2 }
    FILENAME == "Upgrade" { upgrades[++n] = $0 }
    # Where a folder is one user'\''s whatever ALLUSERS says ("user"), or the machine'\''s ("machine").
    function scope(d) {
        for (; d != ""; d = parent[d])
            if (d ~ /^(AppData|LocalAppData|Personal|Favorites|Template|SendTo|NetHood|PrintHood|Recent|MyPictures)Folder$/)
                return "user"
        return "machine"
    }
    function isVersion(v) { return v ~ /^[0-9]+\.[0-9]+(\.[0-9]+(\.[0-9]+)?)?$/ }
    function compare(a, b,   x, y, i) {
        split(a, x, "."); split(b, y, ".")
        for (i = 1; i <= 4; ++i) if (x[i] + 0 != y[i] + 0) return x[i] + 0 < y[i] + 0 ? -1 : 1
        return 0
    }
    END {
        perMachine = property["ALLUSERS"] == 1
        # The program is a versioned file, with the version and language of its version resource.
        if (version["tarnwick.exe"] != program || language["tarnwick.exe"] != 1033)
            print "the File table gives tarnwick.exe the version " version["tarnwick.exe"] \
                " and language " language["tarnwick.exe"] ", not " program " and 1033"
        for (f in version)
            if (version[f] ~ /^[0-9]/ && language[f] == "")
                print "ICE60: the versioned file " f " has no language"
        # What each component installs, per user or per machine.
        for (f in component) data[component[f]] = data[component[f]] " " scope(directory[component[f]])
        for (r in root) data[registryOf[r]] = data[registryOf[r]] " " (root[r] == 1 ? "user" : root[r] == -1 && !perMachine ? "either" : "machine")
        for (s in shortcutDirectory) {
            c = ""
            for (k in shortcuts) if (index(shortcuts[k] " ", " " s " ")) c = k
            data[c] = data[c] " " (scope(shortcutDirectory[s]) == "user" ? "user" : perMachine ? "machine" : "either")
            hkcuKeyPath = int(attributes[c] / 4) % 2 == 1 && root[keyPath[c]] == 1
            if (!hkcuKeyPath && !perMachine)
                print "ICE43: the component " c " of the shortcut " s " is installed per user and has no HKCU key path"
        }
        for (c in data)
            if (data[c] ~ /user/ && data[c] ~ /machine|either/)
                print "ICE57: the component " c " holds both per-user and per-machine data"
        for (i = 1; i <= n; ++i) {
            split(upgrades[i], u, "\t")
            p = u[7]
            if (p !~ /^[A-Z0-9_.]+$/) print "ICE61: the upgrade property " p " is not public"
            if (p in property) print "ICE61: the upgrade property " p " is set in the Property table"
            if (index(";" property["SecureCustomProperties"] ";", ";" p ";") == 0)
                print "ICE61: the upgrade property " p " is not in SecureCustomProperties"
            if (seen[p]++) print "ICE61: the upgrade property " p " is in more than one row"
            if ((u[2] != "" && !isVersion(u[2])) || (u[3] != "" && !isVersion(u[3])))
                print "ICE61: the upgrade versions " u[2] " to " u[3] " are no product versions"
            if (u[2] != "" && u[3] != "" && compare(u[3], u[2]) < 0)
                print "ICE61: the upgrade versions " u[2] " to " u[3] " are the wrong way round"
            # Unless it only detects (2), a row removes what it finds: never this version or a newer.
            if (int(u[5] / 2) % 2 == 0 && (u[3] == "" || compare(u[3], property["ProductVersion"]) > 0 ||
                    (compare(u[3], property["ProductVersion"]) == 0 && int(u[5] / 512) % 2 == 1)))
                print "ICE61: the upgrade row of " p " removes this version or a newer one"
        }
    }' Property File MsiFileHash Directory Component Registry Shortcut Upgrade)
[ -z "$said" ] || fail "$said"

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
