#!/usr/bin/env bash
# Creates schemes with tessora-cli ("New (create)") and with qqwing's expert
# generator in one run, and prints the time per scheme of both and their ratio.
#   bench/compare_generate.sh [N]   (default 200)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="$root/build/src/cli/tessora-cli"
n="${1:-200}"
if ! command -v qqwing >/dev/null; then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get install -y -qq qqwing
fi
if [ ! -x "$cli" ]; then
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$root/build" --target tessora-cli -j"$(nproc)"
fi
tmp="$(mktemp -d)"; trap 'rm -rf "$tmp"' EXIT
now() { date +%s.%N; }
t0=$(now); "$cli" generate -n "$n" --json > "$tmp/t.json"; t1=$(now)
qqwing --generate "$n" --difficulty expert --one-line > "$tmp/q.txt"; t2=$(now)
nonEasy=$(grep -vc '"difficulty":"Easy"' "$tmp/t.json" || true)
awk -v n="$n" -v a="$(echo "$t1 - $t0" | bc -l)" -v b="$(echo "$t2 - $t1" | bc -l)" -v ne="$nonEasy" 'BEGIN {
  printf "tessora: %.2f ms per scheme (%d of %d not Easy, %.2f ms per non-Easy scheme)\n", 1000*a/n, ne, n, (ne ? 1000*a/ne : 0);
  printf "qqwing expert: %.2f ms per scheme\n", 1000*b/n;
  printf "ratio tessora/qqwing per scheme: %.2f; per non-Easy scheme: %.2f\n", a/b, (ne ? (a/ne)/(b/n) : 0) }'
