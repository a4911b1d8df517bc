#!/usr/bin/env bash
# ringlace-cli list and delete: output lines, exit statuses, and the file delete leaves behind.
source "$(dirname "$0")/expect.sh"
data=$2

expect 1 '{"puzzle": 1, "rows": 5, "cols": 5, "code": "EA", "open": 56, "has_solution": true, "valid": true}
{"puzzle": 2, "rows": 2, "cols": 2, "code": "**", "open": 50, "has_solution": false, "valid": true}
{"puzzle": 3, "rows": null, "cols": null, "code": null, "open": null, "has_solution": null, "valid": false, "reason": "bad clue character at position 9"}' \
  list "$data/three.txt"
head -n 2 "$data/three.txt" >"$work/two.txt"
expect 0 "" list "$work/two.txt"
expect 1 "" list "$work/missing.txt"
for args in "list" "delete $work/two.txt" "delete $work/two.txt 0" "shuffle $work/mixed.txt" "shuffle --out $work/x.txt" \
  "shuffle $work/mixed.txt --out $work/x.txt --seed -1"; do
  expect 2 "" $args
done

# The middle record goes; the others keep every byte, the last one's missing line end included.
printf 'first\r\nsecond\nthird' >"$work/three.txt"
expect 0 '{"deleted": 2, "count": 2}' delete "$work/three.txt" 2
[ "$(od -c "$work/three.txt")" = "$(printf 'first\r\nthird' | od -c)" ] || fail "delete 2 left $(od -c "$work/three.txt")"
expect 1 "" delete "$work/three.txt" 3

# A write that cannot happen (a folder where the temporary file would go) fails the command.
mkdir "$work/three.txt.tmp"
expect 1 "" delete "$work/three.txt" 1

# shuffle: repeats (letter case aside) and empty lines dropped, the rest written in a shuffled order.
printf 'b\r\na\r\nB\r\n\r\nc\r\nd\r\na\r\n' >"$work/mixed.txt"
expect 0 "{\"read\": 7, \"duplicates\": 2, \"blank\": 1, \"written\": 4, \"seed\": 3, \"out\": \"$work/shuffled.txt\"}" \
  shuffle "$work/mixed.txt" --out "$work/shuffled.txt" --seed 3
[ "$(tr -d '\r' <"$work/shuffled.txt" | sort | tr '\n' ' ')" = "a b c d " ] || fail "shuffle lines: $(cat "$work/shuffled.txt")"
expect 1 "" shuffle "$work/none.txt" --out "$work/x.txt"

finish "list and delete"
