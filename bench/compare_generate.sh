#!/usr/bin/env bash
# Creates schemes with tessora-cli ("New (create)") and with qqwing's expert
# generator in one run, and prints the time per scheme of both and their ratio;
# then the time per scheme of each level of "New (create) of level" (LEVEL_N
# schemes each, default N/4) against the same qqwing time.
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
qq=$(echo "$t2 - $t1" | bc -l)
nonEasy=$(grep -vc '"difficulty":"Easy"' "$tmp/t.json" || true)
awk -v n="$n" -v a="$(echo "$t1 - $t0" | bc -l)" -v b="$qq" -v ne="$nonEasy" 'BEGIN {
  printf "tessora: %.2f ms per scheme (%d of %d not Easy, %.2f ms per non-Easy scheme)\n", 1000*a/n, ne, n, (ne ? 1000*a/ne : 0);
  printf "qqwing expert: %.2f ms per scheme\n", 1000*b/n;
  printf "ratio tessora/qqwing per scheme: %.2f; per non-Easy scheme: %.2f\n", a/b, (ne ? (a/ne)/(b/n) : 0) }'

# New (create) of level: the time per scheme of each level (as many
# creations as it takes), against the same qqwing expert time.
m="${LEVEL_N:-$(( n / 4 > 10 ? n / 4 : 10 ))}"
printf '%-10s %8s %14s %12s %8s\n' level schemes "ms/scheme" creations ratio
for level in easy medium difficult diabolic; do
  t0=$(now); "$cli" generate --difficulty "$level" -n "$m" --json > "$tmp/$level.json"; t1=$(now)
  creations=$(grep -o '"creations":[0-9]*' "$tmp/$level.json" | awk -F: '{ s += $2 } END { print s }')
  awk -v level="$level" -v m="$m" -v a="$(echo "$t1 - $t0" | bc -l)" -v b="$qq" \
      -v n="$n" -v c="$creations" 'BEGIN {
    printf "%-10s %8d %14.2f %12.1f %8.2f\n", level, m, 1000*a/m, c/m, (a/m)/(b/n) }'
done
