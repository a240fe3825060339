#!/usr/bin/env bash
# Creates schemes with tessora-cli ("New (create)") and with qqwing's expert
# generator in one run, and prints the time per scheme of both and their ratio;
# then the time per scheme of each level of "New (create) of level"
# (`generate --difficulty`, LEVEL_N schemes each, default N/4), Diabolic with
# trials included, against the same qqwing expert time. Elapsed time and
# processor time (user + system) are both given: on a shared machine the
# processor time is the steadier figure. Each level's line adds the complete
# grids, the thinnings of them and the controls per scheme.
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
# timed OUT CMD...: runs CMD with its output into OUT; prints "elapsed cpu" in seconds.
timed() {
  local out="$1"; shift
  /usr/bin/env time -f '%e %U %S' -o "$tmp/time" "$@" > "$out"
  awk '{ printf "%s %.3f\n", $1, $2 + $3 }' "$tmp/time"
}
read -r qe qc < <(timed "$tmp/q.txt" qqwing --generate "$n" --difficulty expert --one-line)
read -r te tc < <(timed "$tmp/t.json" "$cli" generate -n "$n" --json)
nonEasy=$(grep -vc '"difficulty":"Easy"' "$tmp/t.json" || true)
awk -v n="$n" -v te="$te" -v tc="$tc" -v qe="$qe" -v qc="$qc" -v ne="$nonEasy" 'BEGIN {
  printf "qqwing expert: %.2f ms per scheme elapsed, %.2f ms processor\n", 1000*qe/n, 1000*qc/n;
  printf "New (create): %.2f ms per scheme elapsed, %.2f ms processor (%d of %d not Easy)\n", 1000*te/n, 1000*tc/n, ne, n }'

# New (create) of level: the time per scheme of each level, against the same
# qqwing expert time (ratio below 1: faster than qqwing).
m="${LEVEL_N:-$(( n / 4 > 10 ? n / 4 : 10 ))}"
printf '%-16s %8s %12s %12s %8s %9s %9s %8s %8s\n' level schemes "ms elapsed" "ms cpu" grids thinnings controls \
  "ratio" "ratio cpu"
for level in easy medium difficult diabolic "diabolic --trials"; do
  # shellcheck disable=SC2086
  read -r le lc < <(timed "$tmp/level.json" "$cli" generate --difficulty $level -n "$m" --json)
  grids=$(grep -o '"grids":[0-9]*' "$tmp/level.json" | awk -F: '{ s += $2 } END { print s }')
  controls=$(grep -o '"controls":[0-9]*' "$tmp/level.json" | awk -F: '{ s += $2 } END { print s }')
  thinnings=$(grep -o '"thinnings":[0-9]*' "$tmp/level.json" | awk -F: '{ s += $2 } END { print s }')
  awk -v level="$level" -v m="$m" -v le="$le" -v lc="$lc" -v qe="$qe" -v qc="$qc" -v n="$n" -v g="$grids" \
      -v c="$controls" -v t="$thinnings" 'BEGIN {
    printf "%-16s %8d %12.2f %12.2f %8.1f %9.1f %9.1f %8.2f %8.2f\n", level, m, 1000*le/m, 1000*lc/m, g/m, t/m, c/m,
      (le/m)/(qe/n), (lc/m)/(qc/n) }'
done
