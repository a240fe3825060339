#!/bin/sh
# Screenshots of the tessora window under a virtual X server.
#
#   scripts/screenshot.sh [--size WxH] OUT.png [SCRIPT] [DELAY_MS]
#   scripts/screenshot.sh --window start|closing OUT.png
#   scripts/screenshot.sh --all
#
# OUT.png without a folder goes to screenshots/ in the repository. SCRIPT is a
# session script (the commands of tessora-cli session) played on the window
# before it shows; windows it leaves open beside the main one (the priority
# dialog, the information window, the guide, the progress window) are saved as
# OUT-form3.png, OUT-form4.png, OUT-guide.png, OUT-progress.png. --size gives the main window that size in
# pixels before the picture (its scale follows). --window takes the start-up or the closing
# window over a plain desktop colour. --all takes start.png, the two shaped
# windows and one picture per script in scripts/screens/ (NAME.txt gives
# NAME.png). The program is built first when needed (build directory:
# $TESSORA_BUILD_DIR, default build-qt). The runs have a data folder of their
# own, removed at the end: a script's `start` never reads or writes the game
# the user keeps between runs.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSORA_BUILD_DIR:-$here/build-qt}

usage() {
  echo "usage: $0 OUT.png [SCRIPT] [DELAY_MS] | $0 --all" >&2
  exit 2
}
window=main
size=
if [ $# -ge 2 ] && [ "$1" = "--size" ]; then
  size=$2
  shift 2
fi
[ $# -ge 1 ] && [ $# -le 3 ] || usage
if [ "$1" = "--window" ]; then
  [ $# -eq 3 ] || usage
  window=$2
  shift 2
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" >/dev/null
fi
cmake --build "$build" --target tessora -j2 >/dev/null 2>&1 || cmake --build "$build" --target tessora -j2

data=$(mktemp -d "${TMPDIR:-/tmp}/tessora-shots-XXXXXX")
trap 'rm -rf "$data"' EXIT

shoot() {  # OUT [SCRIPT] [DELAY]
  out=$1
  case $out in
    */*) ;;
    *) mkdir -p "$here/screenshots"; out=$here/screenshots/$out ;;
  esac
  set -- --screenshot "$out" --delay "${3:-300}" --window "${4:-main}" ${2:+--script "$2"} ${size:+--size "$size"}
  # A screen large enough for the window at 200 %.
  XDG_DATA_HOME=$data xvfb-run -a -s "-screen 0 2048x1536x24" "$build/src/qt/tessora" "$@"
  echo "$out"
}

if [ "$1" = "--all" ]; then
  shoot start.png
  shoot start-window.png "" 300 start
  shoot closing-window.png "" 300 closing
  for s in "$here"/scripts/screens/*.txt; do
    shoot "$(basename "$s" .txt).png" "$s"
  done
else
  shoot "$1" "${2:-}" "${3:-300}" "$window"
fi
