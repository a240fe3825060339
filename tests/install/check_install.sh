#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop needs:
# the programs, the menu entry, the metadata, the MIME types, the icons, the
# guide and the manual pages, each validated with its own tool.
#
#   check_install.sh BUILD_DIR APP_ID FIXTURES
set -eu
build=$1
id=$2
fixtures=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "check_install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/tessora bin/tessora-cli; do
  [ -x "$prefix/$f" ] || fail "$f is missing or not executable"
done
for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
         share/tessora/tessora-guide.html share/man/man1/tessora.1 share/man/man1/tessora-cli.1; do
  [ -s "$prefix/$f" ] || fail "$f is missing"
done
for size in 16 22 24 32 48 64 128 256 512; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -s "$icon" ] || fail "icon ${size}x${size} is missing"
  # The PNG header holds the width and the height (bytes 17..24).
  dims=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
  expect="0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))"
  [ "$dims" = "$expect" ] || fail "icon ${size}x${size} is $dims"
done

# The menu entry and the metadata, by the desktop's own validators.
desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -q "^Icon=$id\$" "$prefix/share/applications/$id.desktop" || fail "the entry names another icon"
grep -q '^Exec=tessora %f$' "$prefix/share/applications/$id.desktop" || fail "the entry does not pass the file"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo rejected"

# The MIME types build into a database that knows both patterns.
XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>"$prefix/mime.log" || { cat "$prefix/mime.log" >&2; fail "MIME types rejected"; }
[ ! -s "$prefix/mime.log" ] || { cat "$prefix/mime.log" >&2; fail "MIME types with warnings"; }
grep -q 'application/x-tessora-sud:\*\.sud' "$prefix/share/mime/globs" || fail "no *.sud in the MIME globs"
grep -q 'application/x-tessora-ss:\*\.ss' "$prefix/share/mime/globs" || fail "no *.ss in the MIME globs"
[ -s "$prefix/share/mime/application/x-tessora-sud.xml" ] || fail "no application/x-tessora-sud"

# The manual pages format without a warning.
for page in tessora tessora-cli; do
  warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z "$prefix/share/man/man1/$page.1" 2>&1)
  [ -z "$warnings" ] || { echo "$warnings" >&2; fail "$page.1 has warnings"; }
done

# The installed programs answer --version and --help.
"$prefix/bin/tessora-cli" --version | grep -qx 'tessora-cli 2.2' || fail "tessora-cli --version"
"$prefix/bin/tessora-cli" --help | grep -q 'usage: tessora-cli session' || fail "tessora-cli --help"
QT_QPA_PLATFORM=offscreen "$prefix/bin/tessora" --version | grep -qx 'tessora 2.2' || fail "tessora --version"
QT_QPA_PLATFORM=offscreen "$prefix/bin/tessora" --help | grep -q -- '--screenshot' || fail "tessora --help"
# The installed tool finds its PDF module in the installed tree.
QT_QPA_PLATFORM=offscreen "$prefix/bin/tessora-cli" print --pdf "$prefix/sheet.pdf" "$fixtures/schemes/easy.sud" >/dev/null \
  || fail "tessora-cli print --pdf"
head -c 5 "$prefix/sheet.pdf" | grep -q '%PDF-' || fail "print --pdf wrote no PDF"
echo "install tree in order"
