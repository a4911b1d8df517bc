#!/usr/bin/env python3
"""Times `ringlace-cli solve` (what the Autosolve button runs) and `ringlace-cli count` on
near-minimal clue sets: corpus puzzles with clues taken away, one at a time in a random order,
as long as the clues left still admit exactly one loop. About 60 % of such a set is blank and
every clue left is needed, which makes the uniqueness count the hardest part of Autosolve.

The sets are made with the build under test (its count decides which removals keep the loop
unique), then solved by it and, with --baseline, by a second build, each record in its own
process, stopped after --limit seconds (such records count at the limit).

usage: bench/minimal_sets.py [--cli PATH] [--baseline PATH] [--limit S] [--sizes 20x20,25x25]
       [--count 12] [--seed N]
Exit status 1 when a set is not solved as unique or took more than 2 seconds.
"""
import json
import os
import random
import subprocess
import sys
import tempfile

from corpus_timing import autosolve_options, solve_each, table

# Removals tried in one run of the count: the first that keeps the loop unique is taken, and the
# ones before it stay given for good, since taking clues away never removes a loop.
BATCH = 16


def counts(cli, work, sets):
    path = os.path.join(work, "candidates.txt")
    with open(path, "w", newline="") as out:
        out.writelines(s + "\r\n" for s in sets)
    run = subprocess.run([cli, "count", path], capture_output=True, text=True)
    return [json.loads(line)["count"] for line in run.stdout.splitlines()]


def near_minimal(cli, work, record, rng):
    rows, cols = int(record[0:2]), int(record[2:4])
    head, clues = record[:6], list(record[6:6 + rows * cols])
    order = [k for k, ch in enumerate(clues) if ch != " "]
    rng.shuffle(order)
    while order:
        batch = order[:BATCH]
        tries = []
        for k in batch:
            candidate = clues[:]
            candidate[k] = " "
            tries.append(head + "".join(candidate))
        found = counts(cli, work, tries)
        taken = next((n for n, c in enumerate(found) if c == 1), None)
        if taken is None:
            order = order[len(batch):]
            continue
        clues[batch[taken]] = " "
        order = order[taken + 1:]
    return head + "".join(clues)


def main():
    args, sources = autosolve_options(__doc__, 7, [("--count", int, 12)])
    rng = random.Random(args.seed)
    sources = rng.sample(sources, min(args.count, len(sources)))
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        path = os.path.join(work, "minimal.txt")
        with open(path, "w", newline="") as out:
            for record in sources:
                out.write(near_minimal(args.cli, work, record, rng) + "\r\n")
        with open(path) as f:
            blank = [line.count(" ") for line in f]
        print("near-minimal sets: %d, blank cells %d to %d" % (len(sources), min(blank),
                                                              max(blank)))
        answers = solve_each(args.cli, path, len(sources), args.limit)
        count_ms = [json.loads(line)["ms"] for line in subprocess.run(
            [args.cli, "count", path], capture_output=True, text=True).stdout.splitlines()]
        for n, answer in enumerate(answers, 1):
            if answer["result"] != "solved" or answer["not_unique"]:
                print("record %d: %s, not unique %s" % (n, answer["result"],
                                                        answer["not_unique"]))
                failures += 1
            if answer["ms"] > 2000:
                print("record %d took %.0f ms" % (n, answer["ms"]))
                failures += 1
        groups = [("solve", [a["ms"] for a in answers]), ("count", count_ms)]
        if args.baseline:
            baseline = solve_each(args.baseline, path, len(sources), args.limit)
            groups.append(("baseline solve", [a["ms"] for a in baseline]))
    table("ringlace-cli on %d near-minimal clue sets, ms per set" % len(sources), groups)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
