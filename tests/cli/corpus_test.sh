#!/usr/bin/env bash
# Every puzzle of a corpus file is solved by ringlace-cli solve to exactly its stored solution,
# and the clues admit that one loop only.
set -u
cli=$1
file=$2
out=$("$cli" solve "$file")
status=$?
records=$(grep -c '' "$file")
lines=$(printf '%s\n' "$out" | grep -c '"result": "solved"')
agreeing=$(printf '%s\n' "$out" | grep -c '"matches_stored": true, "solutions": 1}')
if [ "$status" -ne 0 ] || [ "$lines" -ne "$records" ] || [ "$agreeing" -ne "$records" ]; then
  echo "FAIL: $file: status $status, $lines of $records solved, $agreeing matching the stored loop"
  printf '%s\n' "$out" | grep -v '"matches_stored": true, "solutions": 1}'
  exit 1
fi
echo "$records puzzles of $file solved to their stored loops"
