#!/usr/bin/env bash
# Times ringlace-cli count and solve over every record of a file of junk lines, none of which
# loads, so the time is the reading of the file and not the counting or solving.
#
#   bench/whole_file.sh [CLI...]
#
# CLI defaults to build/bin/ringlace-cli; give two (this build and one built from an earlier
# commit) to compare them in the same run. LINES (environment) sets the number of junk lines,
# 8000 by default.
set -eu
clis=${*:-build/bin/ringlace-cli}
lines=${LINES:-8000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Lines of the length of a 10 x 10 record whose size field is not a number.
python3 - "$work/junk.txt" "$lines" <<'PY'
import random, string, sys
path, lines = sys.argv[1], int(sys.argv[2])
rng = random.Random(1)
with open(path, "w", newline="") as out:
    for _ in range(lines):
        out.write("xx" + "".join(rng.choice(string.ascii_letters) for _ in range(204)) + "\r\n")
PY

echo "| program | command | lines | seconds | output lines |"
echo "|---|---|---|---|---|"
for cli in $clis; do
  for command in count solve; do
    seconds=$( { TIMEFORMAT=%3R; time "$cli" "$command" "$work/junk.txt" >"$work/out" 2>/dev/null || true; } 2>&1 )
    echo "| $cli | $command | $lines | $seconds | $(grep -c '' "$work/out") |"
  done
done
