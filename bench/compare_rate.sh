#!/usr/bin/env bash
# Rates the same puzzle files with tessora-cli and with qqwing (a human-style
# solver and rater from Debian) in one run, and prints puzzles per second of
# both (Tessora on one thread, `rate -j 1`, the table with its score column)
# and their ratio; then Tessora's JSON lines with the fine score (puzzles per
# second of processor time) and their ratio to qqwing, the
# elapsed seconds of `rate --json` on one thread and on two and the speed-up,
# and Tessora's share of solved, failed and trial schemes.
#   bench/compare_rate.sh [FILE...]   (default: four files of ../shared/puzzles)
# TESSORA_CLI=PATH rates with another build of tessora-cli.
# Each tool runs each file RUNS times (default 5), in turn, and its best time
# counts: one run of a small file lasts a few milliseconds, where the noise of
# the machine would decide the ratio. The time is the processor time the run
# took (user and system), not the time of day that passed: on a machine that
# others share, the second depends on their load.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
puzzles="$root/../shared/puzzles"
cli="${TESSORA_CLI:-$root/build/src/cli/tessora-cli}"

if ! command -v qqwing >/dev/null; then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get install -y -qq qqwing
fi
if [ ! -x "$cli" ]; then
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" --target tessora-cli -j"$(nproc)"
fi

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  files=("$puzzles/se-stratified-100-per-rating.txt" "$puzzles/top1465.txt" "$puzzles/easy_500.txt"
         "$puzzles/diabolical_500.txt")
fi

runs="${RUNS:-5}"
tmp="$(mktemp -d)"; trap 'rm -rf "$tmp"' EXIT
# The processor time (user + system, seconds) of one run of a command.
cputime() {
  local TIMEFORMAT='%3U %3S' t
  t=$( { time "$@" >/dev/null 2>&1; } 2>&1 ) || true
  echo "$t" | awk '{ print $1 + $2 }'
}
# The wall-clock time (seconds) of one run of a command.
walltime() {
  local TIMEFORMAT='%3R' t
  t=$( { time "$@" >/dev/null 2>&1; } 2>&1 ) || true
  echo "$t"
}
better() { [ -z "$1" ] || [ "$(echo "$2 < $1" | bc -l)" = 1 ]; }
printf '%-36s %7s %10s %10s %6s %10s %6s %9s %9s %7s %7s %7s %7s\n' file puzzles tessora/s qqwing/s ratio \
  json/s "ratio" "-j1 s" "-j2 s" speedup solved failed trials
for f in "${files[@]}"; do
  best_a=""; best_b=""
  grep -v '^#' "$f" | grep -v '^[[:space:]]*$' | cut -c1-81 > "$tmp/grids.txt"
  n=$(wc -l < "$tmp/grids.txt")
  best_c=""; best_w1=""; best_w2=""
  for ((r = 0; r < runs; ++r)); do
    # The rating itself on one thread (processor time), as qqwing rates.
    a=$(cputime "$cli" rate -j 1 "$tmp/grids.txt")
    b=$(cputime sh -c 'qqwing --solve --stats --csv < "$1"' sh "$tmp/grids.txt")
    # The JSON lines with the fine score (processor time, one thread).
    c=$(cputime "$cli" rate --json -j 1 "$tmp/grids.txt")
    # Elapsed time on one thread and on two.
    w1=$(walltime "$cli" rate --json -j 1 "$tmp/grids.txt")
    w2=$(walltime "$cli" rate --json -j 2 "$tmp/grids.txt")
    if better "$best_a" "$a"; then best_a=$a; fi
    if better "$best_b" "$b"; then best_b=$b; fi
    if better "$best_c" "$c"; then best_c=$c; fi
    if better "$best_w1" "$w1"; then best_w1=$w1; fi
    if better "$best_w2" "$w2"; then best_w2=$w2; fi
  done
  "$cli" rate --json "$tmp/grids.txt" > "$tmp/tessora.json"
  solved=$(grep -c '"result":"solved"' "$tmp/tessora.json" || true)
  failed=$(grep -c '"result":"failed"' "$tmp/tessora.json" || true)
  trials=$(grep -c '"trials":[1-9]' "$tmp/tessora.json" || true)
  awk -v name="$(basename "$f")" -v n="$n" -v a="$best_a" -v b="$best_b" -v c="$best_c" -v w1="$best_w1" \
      -v w2="$best_w2" -v s="$solved" -v fl="$failed" -v tr="$trials" 'BEGIN {
    ta = n / a; tb = n / b;
    printf "%-36s %7d %10.0f %10.0f %6.2f %10.0f %6.2f %9.2f %9.2f %7.2f %6.1f%% %6.1f%% %6.1f%%\n", name, n, ta, tb,
      ta / tb, n / c, (n / c) / tb, w1, w2, w1 / w2, 100*s/n, 100*fl/n, 100*tr/n }'
done
