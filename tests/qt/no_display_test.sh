#!/bin/sh
# tessora answers --help, --version and arguments it cannot run without a
# window system: no display, no platform named, and nothing but its answer.
#   no_display_test.sh TESSORA VERSION
set -u
program=$1
version=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

# expect STATUS TEXT ARGS...: the status, TEXT in what the program printed
# (standard output for 0, standard error otherwise), the other stream empty.
expect() {
  want_status=$1 text=$2
  shift 2
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$dir/out" 2>"$dir/err"
  status=$?
  if [ "$want_status" -eq 0 ]; then said=$dir/out other=$dir/err; else said=$dir/err other=$dir/out; fi
  if [ "$status" -ne "$want_status" ] || ! grep -qF -- "$text" "$said" || [ -s "$other" ]; then
    echo "tessora $*: status $status (expected $want_status), expected \"$text\""
    echo "--- standard output:"; cat "$dir/out"
    echo "--- standard error:"; cat "$dir/err"
    failures=$((failures + 1))
  fi
}

expect 0 "tessora $version" --version
expect 0 "tessora $version" -v
expect 0 "--screenshot <FILE.png>" --help
expect 0 "--screenshot <FILE.png>" -h
expect 0 "--help-all" --help-all
expect 0 "tessora $version" some.sud --version
expect 2 "one scheme file at a time" a.sud b.sud
expect 2 "--window takes main, start or closing" --window side
expect 2 "Unknown option 'bogus'" --bogus
expect 2 "Missing value after '--size'" --size
exit $((failures > 0))
