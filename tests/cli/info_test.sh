#!/usr/bin/env bash
# ringlace-cli --help, --version and info: output and exit status, exactly.
source "$(dirname "$0")/expect.sh"
data=$2

expect 0 "" --help
help=$("$cli" --help)
for usage in "info FILE [N]" "solve [--no-chains] [--register] FILE" "count FILE [N | FIRST-LAST | all]" \
  "create --size RxC|random --level easy|medium|hard|03only" "delete FILE N" "export --format" "print FILE" \
  "hint FILE [N]"; do
  grep -qF -- "$usage" <<<"$help" || fail "--help does not list $usage"
done
expect 0 "ringlace-cli 3.0" --version
for args in "" frobnicate info "info $data/three.txt 1 2" "info $data/three.txt x" "info $data/three.txt -1"; do
  expect 2 "" $args
done

expect 0 '{"puzzle": 1, "count": 3, "rows": 5, "cols": 5, "code": "EA", "difficulty": "Easy", "clues": [" 3  0", "  1 2", "   2 ", "121  ", "3 01 "], "solution": "CMCFXAGNHFAKCFHALAHEMBXKM", "open": 56, "clue_sum": 16, "edges": "....................................................................................................", "grade": 3}' \
  info "$data/three.txt"
expect 0 '{"puzzle": 2, "count": 3, "rows": 2, "cols": 2, "code": "**", "difficulty": "Easy", "clues": ["2 ", " 2"], "solution": "", "open": 50, "clue_sum": 4, "edges": "bb...bbxb..b.xbb", "grade": 4}' \
  info "$data/three.txt" 2
# Clues that no loop fits have no grade.
printf '0505EA3333333333333333333333333\n' >"$work/no-loop.txt"
"$cli" info "$work/no-loop.txt" | grep -q '"grade": null}$' || fail "a puzzle without a loop has a grade"
# A record that cannot be loaded says why.
expect 1 '{"puzzle": 3, "error": "load failed", "reason": "bad clue character at position 9"}' info "$data/three.txt" 3
expect 1 '{"puzzle": 0, "error": "load failed", "reason": "records are numbered from 1"}' info "$data/three.txt" 0
expect 1 '{"puzzle": 2147483647, "error": "load failed", "reason": "line 2147483647 missing"}' info "$data/three.txt" 2147483647
expect 2 "" info "$data/three.txt" 2147483648

finish "info"
