#!/usr/bin/env bash
# ringlace-cli create: records that the program's own solver solves to their stored solution, one
# JSON line per puzzle on standard error, repeatable seeds, exit statuses.
source "$(dirname "$0")/expect.sh"

# Removal (6 x 6), rules (12 x 8), composite (10 x 10) and 03Only puzzles, appended to one file.
"$cli" create --size 6x6 --level hard --seed 5 --count 3 --out "$work/p.txt" 2>"$work/log" || fail "6x6 exits 0"
"$cli" create --size 12x8 --level easy --seed 1 --out "$work/p.txt" 2>>"$work/log" || fail "12x8 exits 0"
"$cli" create --size 10x10 --level medium --seed 2 --out "$work/p.txt" 2>>"$work/log" || fail "10x10 exits 0"
"$cli" create --size 7x9 --level 03only --seed 3 --out "$work/p.txt" 2>>"$work/log" || fail "03only exits 0"
n=0
while IFS= read -r line; do
  n=$((n + 1))
  case "$n $line" in
    [123]' {"n": '$n', "rows": 6, "cols": 6, "code": "HA", "open": 6'[6-9]', "grade": '[67]', "ms": '[0-9.]*', "attempts": '[0-9]*', "seed": '$((4 + n))'}') ;;
    '4 {"n": 1, "rows": 12, "cols": 8, "code": "EA", "open": '[5-9][0-9]', "grade": '[1-4]', '*) ;;
    '5 {"n": 1, "rows": 10, "cols": 10, "code": "ME", '*) ;;
    '6 {"n": 1, "rows": 7, "cols": 9, "code": "ME", '*) ;;
    *) fail "JSON line $n: $line" ;;
  esac
done <"$work/log"
[ "$n" -eq 6 ] || fail "six JSON lines expected, got $n"
[ "$(head -c 6 "$work/p.txt")" = "0606HA" ] || fail "first record header: $(head -c 6 "$work/p.txt")"
[ -z "$(sed -n 6p "$work/p.txt" | cut -c7-69 | tr -d ' 03')" ] || fail "03only clues: $(sed -n 6p "$work/p.txt")"

# Every record is solved by the program's own solver to exactly its stored solution.
solved=$("$cli" solve "$work/p.txt" 2>/dev/null) || fail "solving the created puzzles exits 0"
[ "$(grep -c '"result": "solved".*"matches_stored": true' <<<"$solved")" -eq 6 ] || fail "solve: $solved"

# Puzzle n of a run is made from seed S+n-1 alone; without --out the record goes to standard output.
again=$("$cli" create --size 6x6 --level hard --seed 6 2>/dev/null)
[ "$again" = "$(sed -n 2p "$work/p.txt" | tr -d '\r')" ] || fail "seed 6 does not make record 2 again"
"$cli" create --size random --level easy --seed 9 --count 2 2>&1 >/dev/null |
  grep -vE '"rows": (5|6|7|8|9|1[0-9]|2[0-5]), "cols": (5|6|7|8|9|1[0-9]|2[0-5]),' && fail "random size out of range"

for args in "create" "create --size 6x6" "create --level easy" "create --size 4x6 --level easy" \
            "create --size 6x26 --level easy" "create --size 6 --level easy" "create --size 6x6 --level extreme" \
            "create --size 6x6 --level easy --count 0" "create --size 6x6 --level easy --seed x" \
            "create --size 6x6 --level easy --out" "create --size 6x6 --level easy --bogus 1"; do
  expect 2 "" $args
done

# On a pattern: clues exactly on its "#" cells, the size its own; a pattern too sparse to fix one
# loop is given up with a reason rather than tried forever.
printf '0607%s\r\n0505%s\r\n0303.#.......\r\n' "$(printf '##.#.#%.0s' $(seq 7))" "#$(printf '.%.0s' $(seq 23))#" >"$work/pat.txt"
"$cli" create --pattern "$work/pat.txt" --level medium --seed 4 --out "$work/onpat.txt" 2>/dev/null || fail "create on pattern 1"
record=$(tr -d '\r' <"$work/onpat.txt")
[ "${record:0:6}" = "0607ME" ] || fail "pattern record header: ${record:0:6}"
[ "$(printf '%s' "${record:6:42}" | tr '0123' '####' | tr ' ' '.')" = "$(sed -n 1p "$work/pat.txt" | cut -c5-46)" ] ||
  fail "clues off the pattern: ${record:6:42}"
expect 1 "" create --pattern "$work/pat.txt:2" --level easy --seed 1
"$cli" create --pattern "$work/pat.txt:2" --level easy --seed 1 2>&1 | grep -q '"error": "the pattern.s clues fix no single loop"' ||
  fail "a sparse pattern does not say why it failed"
for args in "create --pattern $work/pat.txt:3 --level easy" "create --pattern $work/pat.txt:9 --level easy" \
            "create --pattern $work/pat.txt --size 6x7 --level easy" "create --pattern $work/missing.txt --level easy" \
            "create --jumbo 50x50" "create --jumbo 16x50 --out $work/j.xls" "create --jumbo 51x20 --out $work/j.xls" \
            "create --jumbo 30x30 --level easy --out $work/j.xls" "create --jumbo 30x30 --count 2 --out $work/j.xls"; do
  expect 2 "" $args
done

# A jumbo puzzle is too large to grade, and leaves at least 40 % of its cells blank.
"$cli" create --jumbo 20x24 --seed 2 --out "$work/j.xls" 2>&1 |
  grep -qE '"open": (4[0-9]|[5-9][0-9]), "grade": null,' || fail "jumbo line"

finish "create"
