#!/bin/sh
# Times the practice positions of every method: tessora-cli practice --json
# makes N positions of each (seeds 1, 2, ...) and reports the median and the
# longest time a position took, in milliseconds (the tool's own clock, which
# leaves out its start). N=50 by default; TESSORA_CLI=PATH times another build.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
cli=${TESSORA_CLI:-$here/build/src/cli/tessora-cli}
n=${N:-50}
[ -x "$cli" ] || { echo "no $cli: build tessora-cli first" >&2; exit 2; }
printf '%-28s %9s %10s %8s %8s\n' method positions "median ms" "max ms" "bank %"
for m in $(seq 1 16); do
  "$cli" practice --method "$m" -n "$n" --seed 1 --json --stats | python3 -c '
import json, statistics, sys
rows = [json.loads(line) for line in sys.stdin]
t = sorted(r["micros"] / 1000 for r in rows)
name = "%d %s" % (rows[0]["method"], rows[0]["name"])
bank = 100.0 * sum(1 for r in rows if r["fromBank"]) / len(rows)
print("%-28s %9d %10.1f %8.1f %8.0f" % (name[:28], len(t), statistics.median(t), t[-1], bank))'
done
