#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR with prefix /usr and checks what a desktop
# needs: every file in place, the desktop entry, metainfo and MIME type valid, the workspace
# type found by name and by content, the udev rule granting seat access only, the icons at
# their sizes and the manual pages readable.
# usage: check-install.sh BUILD_DIR FIXTURES_DIR
set -uo pipefail
build=$1 fixtures=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expect_file() {
    [ -f "$root/$1" ] || fail "$1 is not installed"
}

if ! DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    fail "cmake --install failed"
    exit 1
fi

# ---- the programs
for program in dextrel dextrel-logger dextrel-export; do
    [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not installed as a program"
done

# ---- desktop entry
desktop=usr/share/applications/ro.vendrix.Dextrel.desktop
expect_file "$desktop"
if [ -f "$root/$desktop" ]; then
    desktop-file-validate "$root/$desktop" || fail "desktop-file-validate rejects $desktop"
    for line in 'Exec=dextrel %f' 'Icon=dextrel' 'Name=Dextrel' 'Name[ro]=Dextrel' \
        'MimeType=application/x-dextrel-workspace;'; do
        grep -qxF "$line" "$root/$desktop" || fail "$desktop lacks '$line'"
    done
    for key in Comment 'Comment\[ro\]' Categories; do
        grep -q "^$key=." "$root/$desktop" || fail "$desktop lacks $key"
    done
fi

# ---- AppStream metainfo
metainfo=usr/share/metainfo/ro.vendrix.Dextrel.metainfo.xml
expect_file "$metainfo"
if [ -f "$root/$metainfo" ]; then
    appstreamcli validate --no-net "$root/$metainfo" >"$work/appstream.log" 2>&1 ||
        { cat "$work/appstream.log"; fail "appstreamcli rejects $metainfo"; }
    grep -qF '<modalias>usb:v04D8pFFFD*</modalias>' "$root/$metainfo" ||
        fail "$metainfo does not name the logger's modalias"
    grep -qF '<launchable type="desktop-id">ro.vendrix.Dextrel.desktop</launchable>' \
        "$root/$metainfo" || fail "$metainfo does not launch the desktop entry"
fi

# ---- workspace MIME type, by name and by the format number on the first line
mime=usr/share/mime/packages/dextrel.xml
expect_file "$mime"
if [ -f "$root/$mime" ]; then
    xmllint --noout "$root/$mime" || fail "xmllint rejects $mime"
    database=$work/data/mime
    mkdir -p "$database/packages"
    cp "$root/$mime" "$database/packages/"
    update-mime-database "$database" >"$work/mime.log" 2>&1 ||
        { cat "$work/mime.log"; fail "update-mime-database rejects $mime"; }
    grep -qxF 'application/x-dextrel-workspace:*.vrx' <(cut -d: -f2- "$database/globs2") ||
        fail "no *.vrx glob for application/x-dextrel-workspace"
    if command -v gio >/dev/null 2>&1; then
        cp "$fixtures/version3.vrx" "$work/older-by-content.dat"
        # an empty workspace as the program writes it
        printf '480000\n0\n' >"$work/by-content.dat"
        cp "$fixtures/version0.vrx" "$work/by-name.vrx"
        printf '123456\nnot a workspace\n' >"$work/other.dat"
        for check in "by-content.dat application/x-dextrel-workspace" \
            "older-by-content.dat application/x-dextrel-workspace" \
            "by-name.vrx application/x-dextrel-workspace" "other.dat text/plain"; do
            set -- $check
            type=$(XDG_DATA_HOME=$work/none XDG_DATA_DIRS=$work/data:/usr/share \
                gio info -a standard::content-type "$work/$1" | sed -n 's/.*content-type: //p')
            [ "$type" = "$2" ] || fail "$1 is taken for '$type', not $2"
        done
    fi
fi

# ---- udev rule: the logger, tagged for the seat's user, with no mode, group or owner
rules=("$root"/usr/lib/udev/rules.d/*dextrel*.rules)
if [ ! -f "${rules[0]}" ] || [ ${#rules[@]} -ne 1 ]; then
    fail "expected one udev rule in usr/lib/udev/rules.d"
else
    rule=${rules[0]}
    number=$(basename "$rule" | sed -n 's/^\([0-9][0-9]\)-.*/\1/p')
    [ -n "$number" ] && [ "$number" -lt 73 ] ||
        fail "$(basename "$rule") must be numbered below 73 to be seen by the seat rules"
    lines=$(grep -v '^[[:space:]]*\(#\|$\)' "$rule")
    [ "$(printf '%s\n' "$lines" | wc -l)" -eq 1 ] || fail "the udev rule should be one line"
    for part in 'SUBSYSTEM=="usb"' 'ATTR{idVendor}=="04d8"' 'ATTR{idProduct}=="fffd"' \
        'TAG+="uaccess"'; do
        grep -qF "$part" <<<"$lines" || fail "the udev rule lacks $part"
    done
    grep -qE 'MODE|GROUP|OWNER' <<<"$lines" && fail "the udev rule sets a mode, group or owner"
fi

# ---- icons at the usual sizes, each the size its folder says
for size in 16 22 24 32 48 64 128 256; do
    icon=usr/share/icons/hicolor/${size}x${size}/apps/dextrel.png
    expect_file "$icon"
    [ -f "$root/$icon" ] || continue
    # a PNG's width and height are big-endian words at bytes 16 and 20
    read -r width height < <(od -An -tu1 -j16 -N8 "$root/$icon" |
        awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "$icon is ${width}x${height}"
done

# ---- manual pages
for page in dextrel dextrel-logger dextrel-export; do
    file=usr/share/man/man1/$page.1.gz
    expect_file "$file"
    [ -f "$root/$file" ] || continue
    text=$(MANWIDTH=80 man --warnings -l "$root/$file" 2>"$work/man.err")
    [ -s "$work/man.err" ] && { cat "$work/man.err"; fail "man warns about $file"; }
    grep -qE "^ *$page +- " <<<"$text" || fail "$file has no NAME line for $page"
done
for command in info dump download status clear live set; do
    MANWIDTH=80 man -l "$root/usr/share/man/man1/dextrel-logger.1.gz" 2>/dev/null |
        grep -qE "^ {7}$command( |$)" || fail "dextrel-logger(1) does not describe $command"
done

# ---- the udev rule alone, as a source build installs it
if DESTDIR=$work/rule-only cmake --install "$build" --prefix /usr --component udev \
    >"$work/rule.log" 2>&1; then
    installed=$(cd "$work/rule-only" && find . -type f)
    [ "$installed" = "./usr/lib/udev/rules.d/$(basename "${rules[0]}")" ] ||
        fail "the udev component installs: $installed"
else
    cat "$work/rule.log"
    fail "cmake --install --component udev failed"
fi

[ "$failures" -eq 0 ] && echo "installed files in place and valid"
[ "$failures" -eq 0 ]
