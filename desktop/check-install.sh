#!/usr/bin/env bash
# Installs a build into a throw-away /usr and checks what a desktop looks for there: the
# program, its menu entry, the icon that entry names at every size, and the software-centre
# description that points back at the entry and carries the project's version.
# usage: check-install.sh <build folder> <project version>
set -euo pipefail
build="$1"
version="$2"
here="$(cd "$(dirname "$0")" && pwd)"
id=org.example.quillfen
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$root/usr" >/dev/null

# Exactly these files: a test binary, a static library or a header that slipped into the
# install rules would ship in the package too.
expected="usr/bin/quillfen
usr/share/applications/$id.desktop
usr/share/metainfo/$id.metainfo.xml"
for size in 16 32 48 64 128 256; do
    expected+=$'\n'"usr/share/icons/hicolor/${size}x${size}/apps/quillfen.png"
done
expected+=$'\n'"usr/share/icons/hicolor/scalable/apps/quillfen.svg"
actual="$(cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)"
if ! differences="$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual"))"; then
    fail "installed files differ from the expected list (< missing, > unexpected):"$'\n'"$differences"
fi

[ -x "$root/usr/bin/quillfen" ] || fail "usr/bin/quillfen is not an executable file"

# An icon theme picks the picture by its folder, so each PNG must really be that size.
for png in "$root"/usr/share/icons/hicolor/*x*/apps/quillfen.png; do
    folder="$(basename "$(dirname "$(dirname "$png")")")"
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
    size="$(((w0 << 24 | w1 << 16 | w2 << 8 | w3)))x$(((h0 << 24 | h1 << 16 | h2 << 8 | h3)))"
    [ "$size" = "$folder" ] || fail "icon in $folder is $size pixels"
done

entry="$root/usr/share/applications/$id.desktop"
if [ -f "$entry" ]; then
    key() { sed -n "s/^$1=//p" "$entry"; }
    exec_name="$(key Exec | cut -d' ' -f1)"
    [ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
    icon="$(key Icon)"
    [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        fail "Icon=$icon has no scalable icon installed"
    [ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon.png" ] ||
        fail "Icon=$icon has no 48x48 icon installed"
fi

metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
    newest="$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$metainfo" | head -n1)"
    [ "$newest" = "$version" ] ||
        fail "newest release in the metainfo is '$newest', the project version is '$version'"
fi

# The cross-check of metainfo and menu entry as a software centre makes it.
if ! "$here/require-tool.sh" appstream appstreamcli validate-tree --no-net --explain "$root"; then
    fail "appstreamcli validate-tree rejects the installed tree"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "installed tree complete"
