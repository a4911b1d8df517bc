#!/usr/bin/env python3
"""Times `ringlace-cli hint` on the development corpus: every puzzle played from its empty board by
hints alone (`hint FILE N --apply` until the loop is complete), with a full `ringlace-cli solve`
of the same puzzles in the same run as a baseline.

Prints, per size, how many hints the puzzles took and the median, 90th percentile and maximum
milliseconds of one hint (the time the command reports for finding it, loading excluded), the
slowest hint of each stage over the whole corpus, and the solve times of the same puzzles; every
time is the best of --repeat runs. Checks that every puzzle ends complete, with no hint before that other than a step.

usage: bench/hint_corpus.py [--cli PATH] [--corpus DIR] [--repeat N] [--sizes 25x25,...]
Defaults: build/bin/ringlace-cli, tests/data/corpus, 3 repeats, every size. Exit
status 1 when a puzzle is not played to its end.
"""
import argparse
import collections
import glob
import json
import os
import statistics
import subprocess
import sys

from corpus_timing import REPO, best_of, percentile90, records, size_key, table


def play(cli, path, number, repeat):
    """The hint lines of playing puzzle `number` of `path` to its end by hints alone, each hint's ms
    the smallest of the runs (every run passes through the same positions)."""
    return best_of(cli, ["hint"], path, repeat, [str(number), "--apply", "1000000"])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", default=os.path.join(REPO, "build", "bin", "ringlace-cli"))
    parser.add_argument("--corpus", default=os.path.join(REPO, "tests", "data", "corpus"))
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--sizes", default="")
    args = parser.parse_args()
    wanted = set(filter(None, args.sizes.split(",")))

    per_hint, solves = {}, {}
    slowest = collections.defaultdict(float)
    wrong = 0
    for path in sorted(glob.glob(os.path.join(args.corpus, "*.txt"))):
        size = os.path.basename(path).split("-")[0]
        if wanted and size not in wanted:
            continue
        for number in range(1, len(records(path)) + 1):
            lines = play(args.cli, path, number, args.repeat)
            if not lines or lines[-1]["kind"] != "solved" or any(
                    line["kind"] != "step" for line in lines[:-1]):
                print("wrong: %s puzzle %d ends %s" % (path, number, lines[-1:] or "nothing"))
                wrong += 1
            per_hint.setdefault(size, []).extend(line["ms"] for line in lines)
            for line in lines[:-1]:
                slowest[line["stage"]] = max(slowest[line["stage"]], line["ms"])
        for line in best_of(args.cli, ["solve"], path, args.repeat):
            solves.setdefault(size, []).append(line["ms"])

    order = lambda item: size_key(item[0])
    print("ringlace-cli hint, ms per hint by size")
    print("%-8s %7s %9s %9s %9s" % ("", "hints", "median", "p90", "max"))
    for name, values in sorted(per_hint.items(), key=order):
        print("%-8s %7d %9.3f %9.3f %9.3f" % (name, len(values), statistics.median(values),
                                             percentile90(values), max(values)))
    print()
    print("slowest hint of each stage, ms")
    for stage in sorted(slowest):
        print("  stage %d %9.3f" % (stage, slowest[stage]))
    print()
    table("baseline: ringlace-cli solve, ms per puzzle by size (best of %d)" % args.repeat,
          sorted(solves.items(), key=order))
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
