#!/usr/bin/env bash
# ringlace-cli count: output lines, record ranges and exit statuses.
set -u
cli=$1
data=$2/count.txt
source "$(dirname "$0")/expect.sh"

unique='{"puzzle": 1, "rows": 5, "cols": 5, "count": 1, "ms": _, "solution": "CMCFXAGNHFAKCFHALAHEMBXKM"}'
none='{"puzzle": 3, "rows": 1, "cols": 1, "count": 0, "ms": _, "solution": ""}'
broken='{"puzzle": 4, "error": "load failed"}'
boxed='{"puzzle": 5, "rows": 1, "cols": 2, "count": 1, "ms": _, "solution": "DI"}'

expect 0 "$unique" count "$data" 1
expect 0 "$boxed" count "$data" 5-5
expect 1 "$none" count "$data" 3
expect 1 "" count "$data" 2  # several solutions fail a record as surely as none
expect 1 "$broken" count "$data" 4
expect 1 "$none"$'\n'"$broken"$'\n'"$boxed" count "$data" 3-5
expect 1 '{"puzzle": 6, "error": "load failed"}' count "$data" 6
expect 1 '{"puzzle": 1, "error": "load failed"}' count "$2/no-such-file.txt"

# Every record by default; the 2 x 2 puzzle has three solutions and shows one of them.
all=$("$cli" count "$data")
status=$?
all=$(sed -E 's/"ms": [0-9.]+/"ms": _/' <<<"$all")
[ "$status" = 1 ] || fail "count of every record: status $status, wanted 1"
[ "$(sed -n 1p <<<"$all")" = "$unique" ] || fail "count of every record: line 1"
grep -qxE '\{"puzzle": 2, "rows": 2, "cols": 2, "count": 2, "ms": _, "solution": "(BHFL|BIMB|LCDL)"\}' <<<"$(sed -n 2p <<<"$all")" ||
  fail "count of every record: line 2 is $(sed -n 2p <<<"$all")"
[ "$(sed -n 3,5p <<<"$all")" = "$none"$'\n'"$broken"$'\n'"$boxed" ] || fail "count of every record: lines 3 to 5"
[ "$(wc -l <<<"$all")" = 5 ] || fail "count of every record: $(wc -l <<<"$all") lines"

expect 2 "" count
expect 2 "" count "$data" 1 2
expect 2 "" count "$data" x
expect 2 "" count "$data" -1
expect 2 "" count "$data" 3-1
expect 2 "" count "$data" 1-
expect 2 "" count "$data" 1-2-3

"$cli" --help | grep -q "count FILE \[N | FIRST-LAST | all\]" || fail "--help does not list count"

[ "$failures" -eq 0 ] && echo "all count checks passed"
exit $((failures > 0))
