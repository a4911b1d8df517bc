#!/usr/bin/env bash
# ringlace-cli solve: one JSON line per record with the result of an Autosolve, exit statuses.
set -u
cli=$1
data=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
TMPDIR_SOLVE=$(mktemp -d)
trap 'rm -rf "$TMPDIR_SOLVE"' EXIT

# The time varies: every "ms" value is replaced by 0 before comparing.
run() { "$cli" "$@" 2>/dev/null | sed -E 's/"ms": [0-9.]+/"ms": 0/'; }

out=$(run solve "$data/three.txt" 1)
[ "$out" = '{"puzzle": 1, "rows": 5, "cols": 5, "result": "solved", "stage": "Solving single Y ...", "ms": 0, "not_unique": false, "solution": "CMCFXAGNHFAKCFHALAHEMBXKM", "matches_stored": true, "solutions": 1}' ] \
  || fail "solve record 1: $out"
"$cli" solve "$data/three.txt" 1 >/dev/null 2>&1 || fail "a solved record exits 0"

out=$(run solve "$data/three.txt" 2-3)
expected='{"puzzle": 2, "rows": 2, "cols": 2, "result": "solved", "stage": "Solving single P ...", "ms": 0, "not_unique": true, "solution": "LCDL", "matches_stored": null, "solutions": 2}
{"puzzle": 3, "rows": 0, "cols": 0, "result": "load failed", "stage": "", "ms": 0, "not_unique": false, "solution": "", "matches_stored": null, "solutions": null}'
[ "$out" = "$expected" ] || fail "solve records 2-3: $out"
"$cli" solve "$data/three.txt" >/dev/null 2>&1
[ $? -eq 1 ] || fail "a record that is not solved exits 1"

# Without the complete search a puzzle that needs it is unable.
out=$(run solve --no-chains "$data/search.txt")
case "$out" in
  *'"result": "unable", "stage": "Solving common YP ..."'*) ;;
  *) fail "--no-chains: $out" ;;
esac
out=$(run solve "$data/search.txt")
case "$out" in
  *'"result": "solved", "stage": "Solving by chain inspection ..."'*'"matches_stored": true, "solutions": 1}') ;;
  *) fail "search: $out" ;;
esac

# Ctrl+C cancels the running solve and ends the command: thirty slow puzzles are not all solved.
start=$(date +%s)
"$cli" solve "$data/sparse.txt" > "$TMPDIR_SOLVE/sparse.out" 2>/dev/null &
pid=$!
sleep 1.5
kill -INT $pid
wait $pid
status=$?
lines=$(grep -c '' "$TMPDIR_SOLVE/sparse.out")
[ $status -eq 1 ] || fail "Ctrl+C: exit status $status, wanted 1"
[ "$lines" -lt 30 ] || fail "Ctrl+C: all $lines puzzles were still solved"
grep -q '"result": "solved"' "$TMPDIR_SOLVE/sparse.out" && ! grep -q '"result": "cancelled"' "$TMPDIR_SOLVE/sparse.out" &&
  [ "$lines" -gt 3 ] && fail "Ctrl+C: no solve was cancelled"
[ $(( $(date +%s) - start )) -lt 20 ] || fail "Ctrl+C: the command went on too long"

# Usage errors.
for args in "solve" "solve --bogus $data/three.txt" "solve $data/three.txt 3-1" "solve $data/three.txt x" \
            "solve $data/three.txt 1 2"; do
  "$cli" $args >/dev/null 2>&1
  [ $? -eq 2 ] || fail "usage error expected: $args"
done
"$cli" --help | grep -q "solve \[--no-chains\] \[--register\] FILE" || fail "--help does not list solve"

[ "$failures" -eq 0 ] && echo "all solve checks passed"
exit $((failures > 0))
