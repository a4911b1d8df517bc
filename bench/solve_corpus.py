#!/usr/bin/env python3
"""Times `ringlace-cli solve` (what the Autosolve button runs) on the development corpus.

Prints, per size, the median, 90th percentile and maximum milliseconds per puzzle (the best of
--repeat runs), how many puzzles each solving stage finished, and checks that every puzzle is
solved to its stored loop. With --baseline CLI it times a second build of the command-line
program on the same puzzles in the same run (for example one built from an earlier commit), the
two builds taking turns run by run, so a change is measured against what came before on the same
machine at the same time.

usage: bench/solve_corpus.py [--cli PATH] [--baseline PATH] [--corpus DIR] [--repeat N]
Defaults: build/bin/ringlace-cli, tests/data/corpus, 3 repeats. Exit status 1 when a puzzle is
not solved to its stored loop.
"""
import argparse
import collections
import glob
import os
import sys

from corpus_timing import REPO, best_of_each, size_key, table


def report(runs, label):
    """Prints the figures of one build from its lines per puzzle file; returns the number of
    puzzles not solved to their stored loop."""
    by_size, stages, wrong = {}, collections.Counter(), 0
    for path, lines in runs:
        for line in lines:
            if line["result"] != "solved" or line["matches_stored"] is not True:
                print("wrong: %s puzzle %d: %s" % (path, line["puzzle"], line))
                wrong += 1
            by_size.setdefault("%dx%d" % (line["rows"], line["cols"]), []).append(line["ms"])
            stages[line["stage"]] += 1
    groups = sorted(by_size.items(), key=lambda item: size_key(item[0]))
    table("%s: ringlace-cli solve, %d puzzles, ms per puzzle by size"
          % (label, sum(len(values) for _, values in groups)), groups)
    print("%s: puzzles finished by each stage" % label)
    for stage, count in stages.most_common():
        print("  %-34s %d" % (stage, count))
    print()
    return wrong


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default=os.path.join(REPO, "build", "bin", "ringlace-cli"))
    parser.add_argument("--baseline")
    parser.add_argument("--corpus", default=os.path.join(REPO, "tests", "data", "corpus"))
    parser.add_argument("--repeat", type=int, default=3)
    args = parser.parse_args()
    clis = [args.cli] + ([args.baseline] if args.baseline else [])
    paths = sorted(glob.glob(os.path.join(args.corpus, "*.txt")))
    runs = [best_of_each(clis, ["solve"], path, args.repeat) for path in paths]
    wrong = report([(path, lines[0]) for path, lines in zip(paths, runs)], "this build")
    if args.baseline:
        report([(path, lines[1]) for path, lines in zip(paths, runs)], "baseline")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
