#!/usr/bin/env bash
# ringlace-cli print: PDF puzzle books read back by an independent reader (poppler's tools).
source "$(dirname "$0")/expect.sh"
data=$2
corpus=$3

pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }

for args in "" "--pdf" "--pdf $work/x.pdf --solutions later" "--pdf $work/x.pdf --paper a5" "3-2 --pdf $work/x.pdf"; do
  expect 2 "" print "$corpus" $args
done
expect 1 "{\"file\": \"$data/three.txt\", \"first\": 4, \"last\": 4, \"error\": \"Invalid from or to puzzle number\"}" \
  print "$data/three.txt" 4 --pdf "$work/x.pdf"
[ -e "$work/x.pdf" ] && fail "a refused book left a file"

# A record that cannot be read is left out and counted; the book holds the others.
expect 1 "{\"file\": \"$data/three.txt\", \"first\": 1, \"last\": 3, \"puzzles\": 2, \"skipped\": 1, \"pages\": 2, \"solutions\": \"inline\", \"out\": \"$work/three.pdf\"}" \
  print "$data/three.txt" --pdf "$work/three.pdf"
[ "$(pages "$work/three.pdf")" = 2 ] || fail "three.pdf pages: $(pages "$work/three.pdf")"
expect 1 "" print "$data/three.txt" 1 --pdf "$work/missing/x.pdf"

# The three ways with solutions: on each page, on sheets at the end, or none.
n=$(wc -l <"$corpus")
"$cli" print "$corpus" --pdf "$work/inline.pdf" >/dev/null || fail "inline book"
"$cli" print "$corpus" all --pdf "$work/end.pdf" --solutions end --paper a4 >/dev/null || fail "end book"
"$cli" print "$corpus" 2-3 --pdf "$work/none.pdf" --solutions none >/dev/null || fail "book without solutions"
[ "$(pages "$work/inline.pdf")" = "$n" ] || fail "inline pages: $(pages "$work/inline.pdf"), wanted $n"
[ "$(pages "$work/end.pdf")" = $((n + 1)) ] || fail "end pages: $(pages "$work/end.pdf"), wanted $((n + 1))"
[ "$(pages "$work/none.pdf")" = 2 ] || fail "none pages: $(pages "$work/none.pdf")"
pdfinfo "$work/end.pdf" | grep -q "(A4)" || fail "--paper a4 is not A4"
pdfinfo "$work/inline.pdf" | grep -q "(letter)" || fail "letter is not the default"

# The text stays text: every header and every solution label can be read back.
inline_text=$(pdftotext "$work/inline.pdf" - 2>&1)
for k in $(seq 1 "$n"); do
  grep -q "Puz# $k of $n" <<<"$inline_text" || fail "inline header $k is missing"
done
[ "$(grep -c "Solution:" <<<"$inline_text")" = "$n" ] || fail "inline: not one \"Solution:\" a page"
end_text=$(pdftotext -f $((n + 1)) "$work/end.pdf" - 2>&1)
for k in $(seq 1 "$n"); do grep -qx "Puz# $k" <<<"$end_text" || fail "end: label $k is missing"; done
grep -q "Solution:" <<<"$(pdftotext "$work/none.pdf" - 2>&1)" && fail "none: a solution is printed"
grep -q "Puz# 3 of $n" <<<"$(pdftotext "$work/none.pdf" - 2>&1)" || fail "none: the range's header"
grep -qa "/Image" "$work/inline.pdf" && fail "the book holds pictures instead of lines"

finish "print"
