#!/usr/bin/env bash
# What `cmake --install` puts in place, checked as a desktop and a user meet it: exactly the
# expected files; icons of their sizes; the desktop entry and the metainfo valid; a data file
# known as the program's type once the MIME database is updated; the man pages clean; the
# installed programs running.
# usage: check_install.sh BUILD-DIR APP-ID VERSION SAMPLE.zdf
set -euo pipefail
build=$1 id=$2 version=$3 sample=$4
type=application/x-orvane-zdf
sizes=(16 22 24 32 48 64 128 256)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dest=$work/dest
share=$dest/usr/share
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null

expected=(
    usr/bin/orvane usr/bin/zdftool usr/bin/stb-sim
    "usr/share/applications/$id.desktop"
    "usr/share/mime/packages/$id.xml"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    usr/share/man/man1/orvane.1 usr/share/man/man1/zdftool.1 usr/share/man/man1/stb-sim.1
    usr/share/doc/orvane/copyright
)
for size in "${sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
installed=$(cd "$dest" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$installed" = "$wanted" ] || fail "installed files differ: $(diff <(echo "$wanted") <(echo "$installed") | grep '^[<>]' | tr '\n' ' ')"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in "${sizes[@]}"; do
    png=$share/icons/hicolor/${size}x$size/apps/$id.png
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
    [ $(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3))x$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3)) = "${size}x$size" ] ||
        fail "$png is not ${size}x$size"
done

desktop=$share/applications/$id.desktop
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx "Exec=orvane %f" "$desktop" || fail "the desktop entry does not run orvane FILE"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "MimeType=$type;" "$desktop" || fail "the desktop entry does not open $type"
# The metainfo on its own, then with the desktop entry it launches.
appstreamcli validate --no-net --strict "$share/metainfo/$id.metainfo.xml" >"$work/log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$work/log")"
appstreamcli validate-tree --no-net --strict "$dest/usr" >"$work/log" 2>&1 ||
    fail "appstreamcli validate-tree: $(cat "$work/log")"
grep -qF "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not announce version $version"

# The desktop finds the type of a data file through the MIME database of this tree alone.
out=$(XDG_DATA_DIRS=$share update-mime-database "$share/mime" 2>&1) && [ -z "$out" ] ||
    fail "update-mime-database: $out"
mkdir "$work/home"
found=$(XDG_DATA_HOME=$work/home XDG_DATA_DIRS=$share gio info -a standard::content-type "$sample" |
    sed -n 's/^ *standard::content-type: //p')
[ "$found" = "$type" ] || fail "$sample is of type '$found', not $type"

for page in orvane zdftool stb-sim; do
    out=$(MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1" 2>&1 >/dev/null) && [ -z "$out" ] ||
        fail "man $page: $out"
    grep -qF "Orvane II $version" "$share/man/man1/$page.1" || fail "$page.1 does not carry $version"
done

# The installed programs run: a data file read, and the editor's version without a display.
"$dest/usr/bin/zdftool" info "$sample" | grep -q "^File:" || fail "the installed zdftool cannot read $sample"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$dest/usr/bin/orvane" --version) && [ "$out" = "orvane $version" ] ||
    fail "the installed orvane --version says '$out'"
exit $((failures > 0))
