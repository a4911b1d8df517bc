#!/usr/bin/env python3
"""Times `ringlace-cli count` on the development corpus and on the altered puzzles of the tests.

For the corpus it prints, per size, the median, 90th percentile and maximum milliseconds per
puzzle (the "ms" the command reports, the best of --repeat runs), and checks that every puzzle
has exactly its stored solution. For the altered puzzles it prints the same figures by number of
solutions and checks the counts against the expected ones. With --oracle it also times the SAT
counter (../shared/tools/oracle.py, which needs cadical) on the corpus, as a baseline run on the
same machine at the same time; its times include starting the SAT solver.

usage: bench/count_corpus.py [--cli PATH] [--corpus DIR] [--repeat N] [--oracle]
Defaults: build/bin/ringlace-cli, ../shared/corpus/dev, 3 repeats; paths relative to the
repository. Exit status 1 when a count is wrong.
"""
import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile


from corpus_timing import REPO, best_of, records, size_key, table


def count_file(cli, path, repeat):
    return best_of(cli, ["count"], path, repeat)


def bench_corpus(cli, corpus, repeat):
    by_size, wrong = {}, 0
    for path in sorted(glob.glob(os.path.join(corpus, "*.txt"))):
        for record, line in zip(records(path), count_file(cli, path, repeat)):
            rows, cols = int(record[:2]), int(record[2:4])
            stored = record[6 + rows * cols:6 + 2 * rows * cols]
            if line.get("count") != 1 or line.get("solution") != stored:
                print("wrong: %s puzzle %d: %s" % (path, line["puzzle"], line))
                wrong += 1
            by_size.setdefault("%dx%d" % (rows, cols), []).append(line["ms"])
    groups = sorted(by_size.items(), key=lambda item: size_key(item[0]))
    total = sum(len(values) for _, values in groups)
    table("ringlace-cli count, corpus %s (%d puzzles), ms per puzzle by size" % (corpus, total), groups)
    return wrong


def bench_altered(cli, repeat):
    data = os.path.join(REPO, "tests", "data", "altered_puzzles.txt")
    expected, lines = [], []
    with open(data) as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            count, _, record = line.rstrip("\n").split("\t")
            expected.append(int(count))
            lines.append(record)
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
        f.write("\r\n".join(lines) + "\r\n")
        path = f.name
    try:
        results = count_file(cli, path, repeat)
    finally:
        os.unlink(path)
    by_count, wrong = {}, 0
    for want, line in zip(expected, results):
        if line["count"] != want:
            print("wrong: altered puzzle %d: count %d, expected %d" % (line["puzzle"], line["count"], want))
            wrong += 1
        by_count.setdefault(want, []).append(line["ms"])
    table("ringlace-cli count, altered puzzles of the tests (%d), ms per puzzle by number of solutions"
          % len(results), [("%d" % k if k < 2 else "2+", v) for k, v in sorted(by_count.items())])
    return wrong


def bench_oracle(corpus):
    oracle = os.path.join(REPO, "..", "shared", "tools", "oracle.py")
    by_size = {}
    for path in sorted(glob.glob(os.path.join(corpus, "*.txt"))):
        run = subprocess.run([sys.executable, oracle, path], capture_output=True, text=True)
        for match in re.finditer(r"  (\d+)x(\d+)  count=\S+  stored=\S+  iters=\d+  secs=([0-9.]+)", run.stdout):
            by_size.setdefault("%sx%s" % (match[1], match[2]), []).append(1000 * float(match[3]))
    table("baseline: SAT counter oracle.py on the same corpus, ms per puzzle by size",
          sorted(by_size.items(), key=lambda item: size_key(item[0])))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default=os.path.join(REPO, "build", "bin", "ringlace-cli"))
    parser.add_argument("--corpus", default=os.path.join(REPO, "..", "shared", "corpus", "dev"))
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--oracle", action="store_true")
    args = parser.parse_args()
    wrong = bench_corpus(args.cli, args.corpus, args.repeat)
    wrong += bench_altered(args.cli, args.repeat)
    if args.oracle:
        bench_oracle(args.corpus)
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
