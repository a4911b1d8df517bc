#!/usr/bin/env bash
# ringlace-cli count: output lines, record ranges and exit statuses.
source "$(dirname "$0")/expect.sh"
data=$2/count.txt

unique='{"puzzle": 1, "rows": 5, "cols": 5, "count": 1, "ms": _, "solution": "CMCFXAGNHFAKCFHALAHEMBXKM"}'
none='{"puzzle": 3, "rows": 1, "cols": 1, "count": 0, "ms": _, "solution": ""}'
broken='{"puzzle": 4, "error": "load failed", "reason": "line too short for its size"}'
boxed='{"puzzle": 5, "rows": 1, "cols": 2, "count": 1, "ms": _, "solution": "DI"}'

expect 0 "$unique" count "$data" 1
expect 0 "$boxed" count "$data" 5-5
expect 1 "" count "$data" 2  # several solutions fail a record as surely as none
expect 1 "$none"$'\n'"$broken"$'\n'"$boxed" count "$data" 3-5
expect 1 '{"puzzle": 6, "error": "load failed", "reason": "line 6 missing"}' count "$data" 6
expect 1 '{"puzzle": 1, "error": "load failed", "reason": "no such file"}' count "$2/no-such-file.txt"

# Numbers past the last record: the first one asked for says why it cannot be loaded, the rest are
# skipped with one line on standard error, however many there are.
expect_stderr 1 "$boxed" "ringlace-cli: \"$data\" has 5 records; 2147483642 numbers past its end were skipped" \
  count "$data" 5-2147483647
expect_stderr 1 '{"puzzle": 2147483647, "error": "load failed", "reason": "line 2147483647 missing"}' "" \
  count "$data" 2147483647
expect_stderr 1 '{"puzzle": 6, "error": "load failed", "reason": "line 6 missing"}' \
  "ringlace-cli: \"$data\" has 5 records; 1 number past its end was skipped" count "$data" 6-7

# Every record by default; the 2 x 2 puzzle has three solutions and shows one of them.
all=$("$cli" count "$data")
[ $? = 1 ] || fail "count of every record: status, wanted 1"
all=$(sed -E 's/"ms": [0-9.]+/"ms": _/; 2s/"solution": "(BHFL|BIMB|LCDL)"/"solution": _/' <<<"$all")
[ "$all" = "$unique"$'\n''{"puzzle": 2, "rows": 2, "cols": 2, "count": 2, "ms": _, "solution": _}'$'\n'"$none"$'\n'"$broken"$'\n'"$boxed" ] ||
  fail "count of every record: $all"

for args in "" "1 2" "x" "-1" "3-1" "1-" "1-2-3" "2147483648" "1-2147483648"; do
  expect 2 "" count ${args:+"$data"} $args
done

finish "count"
