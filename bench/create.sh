#!/usr/bin/env bash
# Times ringlace-cli create per size and level: median, 90th percentile and maximum milliseconds
# per puzzle, and the median number of loops grown for one puzzle. Prints a Markdown table.
#
#   bench/create.sh [CLI] [COUNT] [SIZES...]
#
# CLI defaults to build/bin/ringlace-cli, COUNT (puzzles per size and level) to 20, SIZES to
# 5 7 9 10 15 20 25. Seeds are fixed (1..COUNT), so runs can be compared. LEVELS (environment)
# narrows the levels, for example LEVELS="hard 03only".
set -eu
cli=${1:-build/bin/ringlace-cli}
count=${2:-20}
shift $(($# > 2 ? 2 : $#))
sizes=${*:-5 7 9 10 15 20 25}
levels=${LEVELS:-easy medium hard 03only}
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "| size | level | puzzles | median ms | p90 ms | max ms | median attempts |"
echo "|---|---|---|---|---|---|---|"
for n in $sizes; do
  for level in $levels; do
    "$cli" create --size "${n}x${n}" --level "$level" --count "$count" --seed 1 >/dev/null 2>"$log"
    python3 - "$n" "$level" "$log" <<'PY'
import json, statistics, sys
n, level, log = sys.argv[1], sys.argv[2], sys.argv[3]
lines = [json.loads(line) for line in open(log) if line.startswith("{")]
ms = sorted(line["ms"] for line in lines)
attempts = sorted(line["attempts"] for line in lines)
p90 = ms[min(len(ms) - 1, int(0.9 * len(ms)))]
print(f"| {n}x{n} | {level} | {len(ms)} | {statistics.median(ms):.1f} | {p90:.1f} | {ms[-1]:.1f} "
      f"| {statistics.median(attempts):g} |")
PY
  done
done
