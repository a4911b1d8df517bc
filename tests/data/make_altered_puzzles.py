#!/usr/bin/env python3
"""Makes altered_puzzles.txt: puzzles of the development corpus changed so that they have several
solutions or none, each with its number of solutions from the independent SAT counter.

Every corpus record gives one altered puzzle, in turn: one to three clues removed (usually several
solutions, sometimes still one), one clue changed to another number (usually no solution), or a
tenth to a third of the clues removed (many solutions). The choices come from a fixed seed, so a
second run writes the same file.

Output lines: the count (0, 1, or 2 for two or more), a tab, the corpus file and line the puzzle
came from, a tab, the record without solution letters. Lines starting with "#" are comments.

usage: make_altered_puzzles.py [CORPUS_DIR [ORACLE [OUTPUT]]]
defaults: ../../../shared/corpus/dev, ../../../shared/tools/oracle.py and altered_puzzles.txt,
all relative to this script's folder. Needs the oracle's SAT solver (cadical) on the PATH.
"""
import glob
import importlib.util
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SEED = 20240611


def load_oracle(path):
    location = importlib.util.spec_from_file_location("oracle", path)
    module = importlib.util.module_from_spec(location)
    location.loader.exec_module(module)
    return module


def corpus_records(corpus_dir):
    for path in sorted(glob.glob(os.path.join(corpus_dir, "*.txt"))):
        with open(path, newline="") as f:
            lines = f.read().replace("\r\n", "\n").split("\n")
        for number, line in enumerate(lines, 1):
            if line:
                yield "%s:%d" % (os.path.basename(path), number), line


def alter(clues, kind, rng):
    cells = list(clues)
    given = [k for k, ch in enumerate(cells) if ch != " "]
    if kind == 0:
        for k in rng.sample(given, min(len(given), rng.randint(1, 3))):
            cells[k] = " "
    elif kind == 1:
        k = rng.choice(given)
        cells[k] = rng.choice([d for d in "0123" if d != cells[k]])
    else:
        share = rng.uniform(0.1, 0.33)
        for k in rng.sample(given, max(1, int(share * len(given)))):
            cells[k] = " "
    return "".join(cells)


def main(argv):
    corpus_dir = argv[1] if len(argv) > 1 else os.path.join(HERE, "../../../shared/corpus/dev")
    oracle_path = argv[2] if len(argv) > 2 else os.path.join(HERE, "../../../shared/tools/oracle.py")
    output = argv[3] if len(argv) > 3 else os.path.join(HERE, "altered_puzzles.txt")
    oracle = load_oracle(oracle_path)
    rng = random.Random(SEED)
    lines = [
        "# Corpus puzzles with clues removed or changed, and their number of solutions (2: two or",
        "# more) from the SAT counter. Made by make_altered_puzzles.py; do not edit by hand.",
        "# count<TAB>source<TAB>record",
    ]
    for index, (source, record) in enumerate(corpus_records(corpus_dir)):
        rows, cols = int(record[:2]), int(record[2:4])
        clues = alter(record[6:6 + rows * cols], index % 3, rng)
        count, _, _ = oracle.count_solutions(rows, cols, clues)
        lines.append("%d\t%s\t%s%s" % (min(count, 2), source, record[:6], clues))
    with open(output, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
