#!/usr/bin/env bash
# ringlace-cli solve: one JSON line per record with the result of an Autosolve, exit statuses.
source "$(dirname "$0")/expect.sh"
data=$2

expect 0 '{"puzzle": 1, "rows": 5, "cols": 5, "result": "solved", "stage": "Solving single Y ...", "ms": _, "not_unique": false, "solution": "CMCFXAGNHFAKCFHALAHEMBXKM", "matches_stored": true, "solutions": 1}' \
  solve "$data/three.txt" 1
broken='{"puzzle": 3, "rows": 0, "cols": 0, "result": "load failed", "stage": "", "ms": _, "not_unique": false, "solution": "", "matches_stored": null, "solutions": null, "reason": "bad clue character at position 9"}'
expect 1 '{"puzzle": 2, "rows": 2, "cols": 2, "result": "solved", "stage": "Solving single P ...", "ms": _, "not_unique": true, "solution": "LCDL", "matches_stored": null, "solutions": 2}'$'\n'"$broken" \
  solve "$data/three.txt" 2-3
# Numbers past the last record are skipped, with one line on standard error.
expect_stderr 1 "$broken" "ringlace-cli: \"$data/three.txt\" has 3 records; 2147483644 numbers past its end were skipped" \
  solve "$data/three.txt" 3-2147483647

# The register, beside a copy of the program: each solved puzzle is appended. One that cannot be
# written (a folder in its place, a full disk) is named on standard error and fails the command,
# and a full disk leaves no empty register behind.
mkdir "$work/bin"
cp "$cli" "$work/bin/ringlace-cli"
register=$work/bin/solutionregister.txt
first=$(head -n 1 "$data/three.txt")
solved=$("$work/bin/ringlace-cli" solve --register "$data/three.txt" 1-2) || fail "solve --register: status $?"
[ "$(cat "$register")" = "$first"$'\n''0202**2  2LCDL'$'\r' ] || fail "solve --register wrote $(od -c "$register")"
rm "$register"
mkdir "$register"
errors=$("$work/bin/ringlace-cli" solve --register "$data/three.txt" 1 2>&1 >/dev/null)
[ $? = 1 ] && [ "$errors" = "ringlace-cli: Error writing file: $register" ] ||
  fail "solve --register with a folder in the way: $errors"
# With no file allowed to grow, the program's folder cannot be written either: the register goes to
# the data folder, where the disk is just as full.
register=$work/data/ringlace/solutionregister.txt
errors=$( (trap '' XFSZ; ulimit -f 0; XDG_DATA_HOME=$work/data "$work/bin/ringlace-cli" solve --register "$data/three.txt" 1 2>&1 >/dev/null) )
[ $? = 1 ] && [ "$errors" = "ringlace-cli: Error writing file: $register" ] && [ -d "$work/data/ringlace" ] &&
  [ ! -e "$register" ] || fail "solve --register on a full disk: $errors"

# A puzzle that needs the complete search is solved by it, and is unable without it.
"$cli" solve "$data/search.txt" | grep -q '"stage": "Solving by chain inspection ...", .*"matches_stored": true' ||
  fail "solve with the complete search"
expect 1 '{"puzzle": 1, "rows": 10, "cols": 10, "result": "unable", "stage": "Solving common YP ...", "ms": _, "not_unique": false, "solution": "", "matches_stored": false, "solutions": 1}' \
  solve --no-chains "$data/search.txt"

# Ctrl+C cancels the running solve and ends the command: 320 sparse puzzles (forty copies of eight,
# about 30 s of work) are not all solved.
for _ in $(seq 40); do cat "$data/sparse.txt"; done >"$work/many.txt"
"$cli" solve "$work/many.txt" > "$work/sparse.out" 2>/dev/null &
pid=$!
# Interrupted once the first puzzle is out, so the handler is in place however busy the machine.
for _ in $(seq 100); do
  [ -s "$work/sparse.out" ] && break
  sleep 0.1
done
kill -INT $pid
wait $pid
status=$?
lines=$(grep -c '' "$work/sparse.out")
[ $status -eq 1 ] || fail "Ctrl+C: exit status $status, wanted 1"
[ "$lines" -lt 320 ] || fail "Ctrl+C: all $lines puzzles were still solved"
grep -q '"result": "solved"' "$work/sparse.out" && ! grep -q '"result": "cancelled"' "$work/sparse.out" &&
  [ "$lines" -gt 3 ] && fail "Ctrl+C: no solve was cancelled"

for args in "solve" "solve --bogus $data/three.txt" "solve $data/three.txt 3-1" "solve $data/three.txt x" \
            "solve $data/three.txt 1 2"; do
  expect 2 "" $args
done

finish "solve"
