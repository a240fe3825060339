#!/bin/sh
# Takes a screenshot of the tessora window under a virtual X server.
#
#   scripts/screenshot.sh OUT.png [SCRIPT] [DELAY_MS]
#
# OUT.png without a folder goes to screenshots/ in the repository. SCRIPT is a
# session script (the commands of tessora-cli session) played on the window
# before it shows. The program is built first when needed (build directory:
# $TESSORA_BUILD_DIR, default build-qt).
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSORA_BUILD_DIR:-$here/build-qt}

if [ $# -lt 1 ] || [ $# -gt 3 ]; then
  echo "usage: $0 OUT.png [SCRIPT] [DELAY_MS]" >&2
  exit 2
fi
out=$1
script=${2:-}
delay=${3:-300}

case $out in
  */*) ;;
  *) mkdir -p "$here/screenshots"; out=$here/screenshots/$out ;;
esac

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" >/dev/null
fi
cmake --build "$build" --target tessora -j2 >/dev/null 2>&1 || cmake --build "$build" --target tessora -j2

set -- --screenshot "$out" --delay "$delay"
if [ -n "$script" ]; then
  set -- "$@" --script "$script"
fi
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/src/qt/tessora" "$@"
echo "$out"
