#!/usr/bin/env bash
# `cmake --install` into a scratch root: exactly the files a desktop looks for, where it
# looks for them, each icon at the size of its folder, and the entry's program and icon
# among them.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

id=io.github.zanfira.Zanfira
hicolor=usr/share/icons/hicolor
sizes=(16 32 48 64 128 256)
expected=(usr/bin/zanfira usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml $hicolor/scalable/apps/zanfira.svg)
for size in "${sizes[@]}"; do
    expected+=("$hicolor/${size}x$size/apps/zanfira.png")
done
diff -u <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f | sed 's|^\./||' | sort)

# A PNG's width and height are the two big-endian words after its IHDR tag.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" \
                                              $5*16777216+$6*65536+$7*256+$8 }'
}
for size in "${sizes[@]}"; do
    actual=$(png_size "$root/$hicolor/${size}x$size/apps/zanfira.png")
    [ "$actual" = "${size}x$size" ] || { echo "icon of ${size}x$size is $actual"; exit 1; }
done

entry=$root/usr/share/applications/$id.desktop
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -x "$root/usr/bin/$exec_program" ] || { echo "Exec=$exec_program is not installed"; exit 1; }
[ -e "$root/$hicolor/256x256/apps/$icon.png" ] || { echo "Icon=$icon is not in hicolor"; exit 1; }
[ -x "$root/usr/bin/zanfira" ]

# The metainfo against the tree around it: its launchable must be the installed entry.
appstreamcli validate-tree --no-net "$root"
