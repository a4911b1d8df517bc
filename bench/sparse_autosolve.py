#!/usr/bin/env python3
"""Times `ringlace-cli solve` (what the Autosolve button runs) on clue sets a person could type in
the number editor: the development corpus with 70 %, 90 % and 98 % of its clues removed at
random, and with one clue changed. Most have several solutions, some none; Autosolve must end on
every one within 2 seconds with the verdict of the solution count (solved and "not unique", or
unable).

Prints, per kind of clue set, the median, 90th percentile and maximum milliseconds, and every
record whose verdict disagrees with `ringlace-cli count`. With --baseline CLI the same sets are
solved by a second build, each record in its own process, stopped after --limit seconds (such
records count at the limit).

usage: bench/sparse_autosolve.py [--cli PATH] [--baseline PATH] [--limit S] [--sizes 20x20,25x25]
       [--seed N]
Exit status 1 when a verdict is wrong or a record took more than 2 seconds.
"""
import json
import os
import random
import subprocess
import sys
import tempfile

from corpus_timing import autosolve_options, solve_each, table

KINDS = [("70% removed", 0.70), ("90% removed", 0.90), ("98% removed", 0.98),
         ("one changed", None)]


def altered(record, share, rng):
    rows, cols = int(record[0:2]), int(record[2:4])
    head, clues = record[:6], list(record[6:6 + rows * cols])
    given = [k for k, ch in enumerate(clues) if ch != " "]
    if share is None:
        k = rng.choice(given)
        clues[k] = rng.choice([d for d in "0123" if d != clues[k]])
    else:
        for k in rng.sample(given, round(share * len(given))):
            clues[k] = " "
    if all(ch == " " for ch in clues):
        clues[given[0]] = record[6 + given[0]]
    return head + "".join(clues)


def solve_file(cli, path):
    run = subprocess.run([cli, "solve", path], capture_output=True, text=True)
    return [json.loads(line) for line in run.stdout.splitlines()]


def main():
    args, sources = autosolve_options(__doc__, 1)
    rng = random.Random(args.seed)
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        groups, baseline_groups = [], []
        for name, share in KINDS:
            path = os.path.join(work, "sets.txt")
            with open(path, "w", newline="") as out:
                for record in sources:
                    out.write(altered(record, share, rng) + "\r\n")
            answers = solve_file(args.cli, path)
            counts = [json.loads(line)["count"] for line in subprocess.run(
                [args.cli, "count", path], capture_output=True, text=True).stdout.splitlines()]
            for n, (answer, count) in enumerate(zip(answers, counts), 1):
                verdict = "solved" if count > 0 else "unable"
                if answer["result"] != verdict or answer["not_unique"] != (count > 1):
                    print("%s record %d: %s, not unique %s; the count says %d"
                          % (name, n, answer["result"], answer["not_unique"], count))
                    failures += 1
                if answer["ms"] > 2000:
                    print("%s record %d took %.0f ms" % (name, n, answer["ms"]))
                    failures += 1
            groups.append((name, [a["ms"] for a in answers]))
            if args.baseline:
                baseline = solve_each(args.baseline, path, len(sources), args.limit)
                baseline_groups.append((name, [a["ms"] for a in baseline]))
    table("this build: ringlace-cli solve, %d clue sets of each kind, ms per set" % len(sources),
          groups)
    if args.baseline:
        table("baseline (records stopped at %g s count as %g s), ms per set"
              % (args.limit, args.limit), baseline_groups)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
