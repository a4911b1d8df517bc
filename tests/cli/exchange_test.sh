#!/usr/bin/env bash
# ringlace-cli export and import: the exported bytes and the imported records.
source "$(dirname "$0")/expect.sh"
data=$2

crlf() { printf '%s\r\n' "$@"; }

for args in "export --format art $data/three.txt 1" "export --format svg $data/three.txt 1 --out -" \
  "export --format xls $data/three.txt 1 --out -" "export --format id $data/three.txt --out -" "import" "import a b"; do
  expect 2 "" $args
done
expect 1 '{"puzzle": 3, "error": "load failed", "reason": "bad clue character at position 9"}' export --format id "$data/three.txt" 3 --out -

[ "$("$cli" export --format id "$data/three.txt" 1 --out - 2>/dev/null)" = "$(crlf 5x5t0:a3b0b1a2c2a121b3a01a)" ] ||
  fail "export id"
[ "$("$cli" export --format plain "$data/three.txt" 1 --out - 2>/dev/null)" = "$(crlf .3..0 ..1.2 ...2. 121.. 3.01.)" ] ||
  fail "export plain"
expect 0 "{\"puzzle\": 1, \"format\": \"art-solution\", \"out\": \"$work/art.txt\"}" \
  export --format art-solution "$data/three.txt" 1 --out "$work/art.txt"
[ "$(sed -n 4p "$work/art.txt")" = "$(printf '#####   #####   +   +\r')" ] || fail "export art-solution: $(sed -n 4p "$work/art.txt")"

# Imports: a pasted grid from standard input, a game ID from a file, each appended as a record.
printf '3x\n.2\n' | "$cli" import - --out "$work/in.rlc" >/dev/null || fail "import from standard input"
printf '5x5t0:a3b0b1a2c2a121b3a01a\n' >"$work/id.txt"
expect 0 "{\"rows\": 5, \"cols\": 5, \"open\": 56, \"out\": \"$work/in.rlc\"}" import "$work/id.txt" --out "$work/in.rlc"
[ "$(cat "$work/in.rlc")" = "$(crlf '0202ME3  2XXXX' '0505ME 3  0  1 2   2 121  3 01 XXXXXXXXXXXXXXXXXXXXXXXXX')" ] ||
  fail "import appends: $(cat "$work/in.rlc")"
printf '3.4\n' >"$work/bad.txt"
expect 1 '{"error": "not a puzzle"}' import "$work/bad.txt"
expect 1 '{"error": "read failed"}' import "$work/missing.txt"

finish "export and import"
