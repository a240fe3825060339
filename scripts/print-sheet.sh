#!/bin/sh
# The print arrangement of a scheme as a user would check it: the .doc that
# "Arrange for Printing" writes, converted to PDF by LibreOffice, and the PDF
# of "Export PDF...", each checked and rendered to a PNG to look at.
#
#   scripts/print-sheet.sh [SCHEME] [OUT_DIR]
#
# SCHEME defaults to tests/fixtures/schemes/easy.sud, OUT_DIR to
# screenshots/print. It writes there NAME.sud (a copy), NAME.doc, NAME.pdf
# (LibreOffice's conversion), NAME-doc.png, NAME-qt.pdf and NAME-qt.png (the
# first page), and fails when a page is not 547.2 x 676.8 points or when the
# texts do not come in the order of the sheet. A move list longer than the six
# columns of one sheet hold (about 70 moves) goes on to a second page.
#
# Needs LibreOffice Writer and poppler-utils, which the tests do not need:
#   sudo apt-get install --no-install-recommends libreoffice-writer-nogui poppler-utils
# The tool is built first when needed (build directory: $TESSORA_BUILD_DIR, default build).
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSORA_BUILD_DIR:-$here/build}
scheme=${1:-$here/tests/fixtures/schemes/easy.sud}
out=${2:-$here/screenshots/print}

for tool in soffice pdfinfo pdftotext pdftoppm; do
  if ! command -v "$tool" >/dev/null; then
    echo "$0: $tool is missing; install it with" >&2
    echo "  sudo apt-get install --no-install-recommends libreoffice-writer-nogui poppler-utils" >&2
    exit 2
  fi
done
[ -f "$scheme" ] || { echo "$0: no scheme file $scheme" >&2; exit 2; }

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" >/dev/null
fi
cmake --build "$build" --target tessora-cli -j2 >/dev/null 2>&1 || cmake --build "$build" --target tessora-cli -j2
cli=$build/src/cli/tessora-cli

mkdir -p "$out"
out=$(cd "$out" && pwd)
name=$(basename "$scheme")
name=${name%.*}
cp "$scheme" "$out/$name.sud"

doc=$("$cli" print "$out/$name.sud")
# LibreOffice keeps a profile; a private one leaves the user's alone.
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
soffice -env:UserInstallation="file://$profile" --headless --convert-to pdf --outdir "$out" "$doc" >/dev/null 2>&1
"$cli" print --pdf "$out/$name-qt.pdf" "$out/$name.sud" >/dev/null

failed=0
check() {  # PDF LABEL
  info=$(pdfinfo "$1")
  size=$(echo "$info" | sed -n 's/^Page size: *//p')
  pages=$(echo "$info" | sed -n 's/^Pages: *//p')
  echo "$2: $pages page(s), $size"
  case $size in "547.2 x 676.8 pts"*) ;; *) echo "  wrong page size" >&2; failed=1 ;; esac
  [ "$pages" = 1 ] || echo "  the move list runs onto a further page"
  # The texts in the order of the sheet: heading, letters, legend, example, moves.
  order=$(pdftotext "$1" - | grep -n -x -E 'File: .*|LEGENDA|XX=Cross|-Q =on Box|EXAMPLE|MOVES' | cut -d: -f2- |
    sed 's/^File: .*/File/' | tr '\n' ' ')
  [ "$order" = "File LEGENDA XX=Cross -Q =on Box EXAMPLE MOVES " ] ||
    { echo "  texts out of order: $order" >&2; failed=1; }
}
check "$out/$name.pdf" "LibreOffice, $name.doc"
check "$out/$name-qt.pdf" "Qt, $name-qt.pdf"

pdftoppm -png -r 100 -singlefile "$out/$name.pdf" "$out/$name-doc"
pdftoppm -png -r 100 -singlefile "$out/$name-qt.pdf" "$out/$name-qt"
echo "$out/$name-doc.png"
echo "$out/$name-qt.png"
exit $failed
