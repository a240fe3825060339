#!/usr/bin/env bash
# Rates the same puzzle files with two builds of tessora-cli (BEFORE and
# AFTER a change) and with qqwing, in one run, and prints puzzles per second
# of processor time for each and the ratios. Tessora rates with `rate -j 1`
# (the table, no fine score), qqwing with `--solve --stats --csv`.
#   BEFORE=PATH [AFTER=PATH] [RUNS=N] bench/compare_before_after.sh [FILE...]
# (default files: se-stratified-100-per-rating.txt and top1465.txt of
# ../shared/puzzles; AFTER defaults to build/src/cli/tessora-cli). The three
# run in turn, RUNS times each (default 5), and each one's best processor
# time (user + system) counts.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
puzzles="$root/../shared/puzzles"
before="${BEFORE:?BEFORE=path of the older tessora-cli}"
after="${AFTER:-$root/build/src/cli/tessora-cli}"
command -v qqwing >/dev/null || { echo "qqwing is missing: apt-get install qqwing" >&2; exit 2; }

files=("$@")
[ ${#files[@]} -eq 0 ] && files=("$puzzles/se-stratified-100-per-rating.txt" "$puzzles/top1465.txt")
runs="${RUNS:-5}"
tmp="$(mktemp -d)"; trap 'rm -rf "$tmp"' EXIT
cputime() {
  local TIMEFORMAT='%3U %3S' t
  t=$( { time "$@" >/dev/null 2>&1; } 2>&1 ) || true
  echo "$t" | awk '{ print $1 + $2 }'
}
better() { [ -z "$1" ] || [ "$(echo "$2 < $1" | bc -l)" = 1 ]; }
printf '%-36s %7s %9s %9s %9s %12s %13s\n' file puzzles before/s after/s qqwing/s after/before after/qqwing
for f in "${files[@]}"; do
  grep -v '^#' "$f" | grep -v '^[[:space:]]*$' | cut -c1-81 > "$tmp/grids.txt"
  n=$(wc -l < "$tmp/grids.txt")
  # The two builds must agree on every line of the table but its time
  # column (the microseconds, next to last) and the summary's speed.
  "$before" rate -j 1 "$tmp/grids.txt" | grep -v puzzles/s | awk '{ $(NF-1) = ""; print }' > "$tmp/before.txt" || true
  "$after" rate -j 1 "$tmp/grids.txt" | grep -v puzzles/s | awk '{ $(NF-1) = ""; print }' > "$tmp/after.txt" || true
  cmp -s "$tmp/before.txt" "$tmp/after.txt" || echo "warning: $(basename "$f"): the two builds rate differently" >&2
  a=""; b=""; q=""
  for ((r = 0; r < runs; ++r)); do
    x=$(cputime "$before" rate -j 1 "$tmp/grids.txt"); better "$a" "$x" && a=$x
    x=$(cputime "$after" rate -j 1 "$tmp/grids.txt"); better "$b" "$x" && b=$x
    x=$(cputime sh -c 'qqwing --solve --stats --csv < "$1"' sh "$tmp/grids.txt"); better "$q" "$x" && q=$x
  done
  awk -v name="$(basename "$f")" -v n="$n" -v a="$a" -v b="$b" -v q="$q" 'BEGIN {
    printf "%-36s %7d %9.0f %9.0f %9.0f %12.2f %13.2f\n", name, n, n / a, n / b, n / q, a / b, (n / b) / (n / q) }'
done
