#!/usr/bin/env bash
# Times PDF puzzle books of 100 puzzles of 10 x 10 (the corpus's sixty, then again) in the three
# solution modes, and beside them `ringlace-cli list` of the same file as the baseline: what
# reading the records alone costs. Prints the best of REPEAT runs (default 5) and each book's size.
#
#   bench/pdf_book.sh [CLI] [REPEAT]
set -eu
cli=${1:-build/bin/ringlace-cli}
repeat=${2:-5}
corpus=$(dirname "$0")/../tests/data/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/book.txt"
while [ "$(wc -l <"$work/book.txt")" -lt 100 ]; do
  cat "$corpus"/10x10-*.txt >>"$work/book.txt"
done
head -100 "$work/book.txt" >"$work/100.txt"

# best NAME COMMAND...: the shortest of REPEAT runs, in milliseconds.
best() {
  local name=$1 fastest= start ms
  shift
  for _ in $(seq "$repeat"); do
    start=$(date +%s%N)
    "$@" >/dev/null
    ms=$((($(date +%s%N) - start) / 1000000))
    if [ -z "$fastest" ] || [ "$ms" -lt "$fastest" ]; then fastest=$ms; fi
  done
  printf '%-22s %6d ms\n' "$name" "$fastest"
}

best "list (baseline)" "$cli" list "$work/100.txt"
for mode in inline end none; do
  best "print --solutions $mode" "$cli" print "$work/100.txt" --pdf "$work/$mode.pdf" --solutions "$mode"
  printf '%-22s %6d KB\n' "  size" $(($(stat -c %s "$work/$mode.pdf") / 1024))
done
