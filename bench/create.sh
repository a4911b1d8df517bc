#!/usr/bin/env bash
# Times ringlace-cli create per size and level: median, 90th percentile and maximum milliseconds
# per puzzle, the median number of loops grown for one puzzle and the median share of blank cells.
# Prints a Markdown table.
#
#   bench/create.sh [CLI] [COUNT] [SIZES...]
#
# CLI defaults to build/bin/ringlace-cli, COUNT (puzzles per size and level) to 20, SIZES to
# 5 7 9 10 15 20 25. Seeds are fixed (1..COUNT), so runs can be compared. LEVELS (environment)
# narrows the levels, for example LEVELS="hard 03only". ORACLE (environment), the path of the SAT
# counter oracle.py (it needs cadical), adds the number of puzzles whose clues admit two or more
# loops.
set -eu
cli=${1:-build/bin/ringlace-cli}
count=${2:-20}
shift $(($# > 2 ? 2 : $#))
sizes=${*:-5 7 9 10 15 20 25}
levels=${LEVELS:-easy medium hard 03only}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "| size | level | puzzles | median ms | p90 ms | max ms | median attempts" \
  "| median open %${ORACLE:+ | 2+ solutions} |"
echo "|---|---|---|---|---|---|---|---|${ORACLE:+---|}"
for n in $sizes; do
  for level in $levels; do
    rm -f "$work/puzzles.txt" "$work/counts"
    "$cli" create --size "${n}x${n}" --level "$level" --count "$count" --seed 1 \
      --out "$work/puzzles.txt" 2>"$work/log" || true
    if [ -n "${ORACLE:-}" ]; then
      python3 "$ORACLE" "$work/puzzles.txt" >"$work/counts" 2>&1 || true
    fi
    python3 - "$n" "$level" "$work/log" "$work/counts" <<'PY'
import json, os, re, statistics, sys
n, level, log, counts = sys.argv[1:]
lines = [json.loads(line) for line in open(log) if line.startswith("{")]
ms = sorted(line["ms"] for line in lines)
p90 = ms[min(len(ms) - 1, int(0.9 * len(ms)))]
row = (f"| {n}x{n} | {level} | {len(ms)} | {statistics.median(ms):.1f} | {p90:.1f} | {ms[-1]:.1f} "
       f"| {statistics.median(line['attempts'] for line in lines):g} "
       f"| {statistics.median(line['open'] for line in lines):g} |")
if os.path.exists(counts):
    row += f" {len(re.findall(r'count=2[+]', open(counts).read()))} |"
print(row)
PY
  done
done
