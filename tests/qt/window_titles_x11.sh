#!/bin/sh
# Starts the window program on a virtual X server and reads the titles the
# server holds for its windows: the main window's is exactly the caption the
# program set ("Tessora - Nuovo1" after Initial Data), the information
# window's its own caption, and no title has anything appended to it.
#
#   window_titles_x11.sh TESSORA
set -eu
tessora=$1
fail() { echo "window_titles_x11: $*" >&2; exit 1; }
for tool in Xvfb xwininfo xprop; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

work=$(mktemp -d)
xvfb=
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(cat "$work/display")
export DISPLAY

printf 'click DatIniz\nclick mInfo\n' >"$work/script.txt"
# The screenshot run keeps its windows open for the delay, then ends.
QT_QPA_PLATFORM=xcb "$tessora" --script "$work/script.txt" --screenshot "$work/shot.png" --delay 4000 \
  >"$work/run.log" 2>&1 &
run=$!

# The titles of the top-level windows, one a line, as _NET_WM_NAME holds them.
titles() {
  xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) ".*/\1/p' | while read -r id; do
    xprop -id "$id" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
  done
}
found=
seen=
for _ in $(seq 60); do
  t=$(titles)
  [ -n "$t" ] && seen=$t
  if printf '%s\n' "$t" | grep -qx 'Tessora - Nuovo1' && printf '%s\n' "$t" | grep -qx 'Information - Tessora'; then
    found=yes
    break
  fi
  sleep 0.1
done
wait "$run" || fail "tessora ended with an error: $(cat "$work/run.log")"
list=$(printf '%s\n' "$seen" | tr '\n' '|')
[ -n "$found" ] || fail "the expected titles were not seen; the server held: $list"
printf '%s\n' "$seen" | grep -q ' — ' && fail "a title has something appended: $list"
echo "titles: $list"
