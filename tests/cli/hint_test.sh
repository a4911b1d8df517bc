#!/usr/bin/env bash
# ringlace-cli hint: the JSON line of each kind of hint, --apply with --out, and exit statuses.
source "$(dirname "$0")/expect.sh"
data=$2

for args in "hint" "hint $data/three.txt 1 2" "hint $data/three.txt x" "hint $data/three.txt --apply" \
  "hint $data/three.txt --apply -1" "hint $data/three.txt --out $work/x.txt" "hint $data/three.txt --frob"; do
  expect 2 "" $args
done

zero='"stage": 1, "rule": "zero", "ms": _, "message": "Direct lines: a 0 has no loop edges"}'
expect 0 "{\"puzzle\": 1, \"kind\": \"step\", \"row\": 1, \"col\": 4, \"side\": \"right\", \"value\": \"x\", $zero" \
  hint "$data/three.txt"
expect 1 '{"puzzle": 2, "kind": "not unique", "row": null, "col": null, "side": null, "value": null, "stage": null, "rule": null, "ms": _, "message": ": Link is not unique"}' \
  hint "$data/three.txt" 2
expect 1 '{"puzzle": 3, "error": "load failed", "reason": "bad clue character at position 9"}' hint "$data/three.txt" 3

# Three steps applied and saved; the saved game's next hint is the fourth step.
expect 0 "" hint "$data/three.txt" 1 --apply 3 --out "$work/game.txt"
[ "$("$cli" hint "$data/three.txt" 1 --apply 3 | wc -l)" = 4 ] || fail "--apply 3 does not print 4 lines"
expect 0 "{\"puzzle\": 1, \"kind\": \"step\", \"row\": 1, \"col\": 5, \"side\": \"bottom\", \"value\": \"x\", $zero" \
  hint "$work/game.txt"
# Applied to the end, the last line says the loop is complete, and so does the saved game.
"$cli" hint "$data/three.txt" 1 --apply 1000 --out "$work/done.txt" | tail -1 | grep -q '"kind": "solved"' ||
  fail "--apply 1000 does not end solved"
expect 1 '{"puzzle": 1, "kind": "solved", "row": null, "col": null, "side": null, "value": null, "stage": null, "rule": null, "ms": _, "message": "The loop is already complete"}' \
  hint "$work/done.txt"

# A saved game with a bar beside the 0 of row 1 and an X later: the first in cell order is reported.
clues='0505** 3  0  1 2   2 121  3 01 '
edges=$(printf '.%.0s' {1..100})
edges="${edges:0:14}b.${edges:16:50}x${edges:67}"
printf '%s%s\r\n' "$clues" "$edges" >"$work/wrong.txt"
expect 0 '{"puzzle": 1, "kind": "mistake", "row": 1, "col": 4, "side": "right", "value": "bar", "stage": null, "rule": null, "ms": _, "message": "This bar is not on the loop"}' \
  hint "$work/wrong.txt"
printf '0101**1....\r\n' >"$work/none.txt"
expect 1 '{"puzzle": 1, "kind": "no solution", "row": null, "col": null, "side": null, "value": null, "stage": null, "rule": null, "ms": _, "message": "This puzzle has no solution"}' \
  hint "$work/none.txt"

finish "hint"
