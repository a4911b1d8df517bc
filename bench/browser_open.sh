#!/usr/bin/env bash
# Times opening the puzzle browser on a file of 1,000 puzzles: the window test that builds such a
# file (the twelve test puzzles again and again) and clicks the browse button prints how long the
# click took until the first page was drawn. Runs it REPEAT times (default 5) on the offscreen
# platform and prints each time and the best.
#
#   bench/browser_open.sh [TEST_BINARY] [REPEAT]
set -eu
test=${1:-build/tests/ui/browser_test}
repeat=${2:-5}
best=
for _ in $(seq "$repeat"); do
  ms=$(QT_QPA_PLATFORM=offscreen "$test" aThousandPuzzleFileOpensOnTheLastPage 2>&1 |
    sed -n 's/.*browser opened on 1000 puzzles in \([0-9]*\) ms.*/\1/p')
  [ -n "$ms" ] || { echo "browser_open: no time reported by $test" >&2; exit 1; }
  echo "open: $ms ms"
  if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
done
echo "best of $repeat: $best ms"
