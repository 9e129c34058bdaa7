#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into an empty prefix and checks what a desktop needs of it: the programs,
# the launcher, the icons at their sizes, the file types and the software-centre entry.
set -euo pipefail

BUILD=${1:?build folder}
PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
ID=org.tintmere.Tintmere
SHARE=$PREFIX/share
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null

for program in tintmere tintmere-color; do
    [ -x "$PREFIX/bin/$program" ] || fail "bin/$program is missing or not executable"
done
"$PREFIX/bin/tintmere-color" --version | grep -q '[0-9]' || fail "tintmere-color --version"
QT_QPA_PLATFORM=offscreen "$PREFIX/bin/tintmere" --version | grep -q '^Tintmere [0-9]' ||
    fail "tintmere --version"
"$PREFIX/bin/tintmere-color" --help >/dev/null || fail "tintmere-color --help"
man=$SHARE/man/man1/tintmere-color.1
grep -q '^\.SS palette$' "$man" || fail "$man lacks the commands"
if command -v groff >/dev/null; then
    [ -z "$(groff -man -ww -z "$man" 2>&1)" ] || fail "groff warns about $man"
fi

desktop=$SHARE/applications/$ID.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
grep -q '^Exec=tintmere %F$' "$desktop" || fail "the launcher does not pass files (%F)"
grep -q '^Exec=tintmere --pick$' "$desktop" || fail "the launcher has no Pick Color action"
grep -q '^\.B tintmere \\-\\-pick \\-\\-print$' "$SHARE/man/man1/tintmere.1" || fail "tintmere.1 lacks --pick --print"
for type in application/x-tintmere-palette application/x-tintmere-favorites; do
    grep -q "^MimeType=.*$type;" "$desktop" || fail "the launcher does not open $type"
done

appstreamcli validate --no-net "$SHARE/metainfo/$ID.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate $SHARE/metainfo/$ID.metainfo.xml"

# The MIME package must be what the desktop's own tool accepts, naming icons that exist.
mime=$SHARE/mime/packages/$ID.xml
XDG_DATA_DIRS=$SHARE:/usr/share update-mime-database "$SHARE/mime" 2>&1 | { ! grep .; } || fail "update-mime-database complains"
for name in application-x-tintmere-palette application-x-tintmere-favorites; do
    type=${name/application-/application\/}
    [ -f "$SHARE/mime/application/${type#application/}.xml" ] || fail "$type is not registered"
    grep -qx "$type:$name" "$SHARE/mime/icons" || fail "$type has no icon $name"
done

python3 - "$SHARE/icons/hicolor" <<'PY' || fail "icon theme"
import struct, sys, xml.dom.minidom
from pathlib import Path
theme = Path(sys.argv[1])
icons = {"org.tintmere.Tintmere": "apps", "application-x-tintmere-palette": "mimetypes",
         "application-x-tintmere-favorites": "mimetypes"}
bad = []
for name, context in icons.items():
    svg = theme / "scalable" / context / f"{name}.svg"
    if not svg.is_file():
        bad.append(f"missing {svg}")
    else:
        xml.dom.minidom.parse(str(svg))
    for size in (16, 24, 32, 48, 64, 128, 256):
        png = theme / f"{size}x{size}" / context / f"{name}.png"
        data = png.read_bytes()[:24] if png.is_file() else b""
        if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
            bad.append(f"{png} is not a PNG")
        elif struct.unpack(">II", data[16:24]) != (size, size):
            bad.append(f"{png} is {struct.unpack('>II', data[16:24])}, not {size}x{size}")
print("\n".join(bad), file=sys.stderr)
sys.exit(1 if bad else 0)
PY

[ "$failures" -eq 0 ] || exit 1
echo "installed into $PREFIX: all checks passed"
