#!/usr/bin/env python3
"""What each level of created puzzles gives: blank share, grade and time, per size and level.

    python3 bench/levels.py [--cli CLI] [--count N] [--sizes 5x5,7x12,...] [--levels easy,...]
                            [--oracle PATH] [--reference CORPUS_DIR]

For every size and level, `ringlace-cli create` makes COUNT puzzles (seeds 1 to COUNT, so runs
can be compared) and the table shows the median and least share of blank cells beside the
level's target, the grades (the solver stage that finishes a puzzle, 1 direct lines to 7 chain
inspection) with how many puzzles had each, and the median and largest time. Every puzzle's
solutions are counted by `ringlace-cli count`, and with --oracle by the SAT counter as well; a
puzzle without exactly one solution is reported. --reference adds the same table (without
times) for the puzzles of a corpus folder, graded by `ringlace-cli info`.
"""
import argparse
import collections
import glob
import json
import os
import statistics
import subprocess
import sys
import tempfile

LEVELS = ["easy", "medium", "hard", "03only"]
SIZES = [f"{n}x{n}" for n in range(5, 26)] + ["7x12", "12x7"]


def open_target(rows, cols, level):
    """The level table's least share of blank cells, as the creators apply it."""
    if level == "03only":
        return None
    n = max(rows, cols)
    base = 82 - 2 * n if n <= 20 else 84 - 2 * n
    step = {"easy": 4, "medium": 2, "hard": 0}[level]
    removal = 6 if rows * cols < 81 else 0
    return base - removal - step


def grades_text(grades):
    counts = collections.Counter(grades)
    return " ".join(f"{g if g else '-'}:{counts[g]}" for g in sorted(counts, key=lambda g: g or 0))


def create(cli, size, level, count, work):
    out = os.path.join(work, "puzzles.txt")
    if os.path.exists(out):
        os.remove(out)
    run = subprocess.run([cli, "create", "--size", size, "--level", level, "--count", str(count),
                          "--seed", "1", "--out", out], capture_output=True, text=True)
    lines = [json.loads(line) for line in run.stderr.splitlines() if line.startswith("{")]
    return out, lines


def unique_count(cli, oracle, file):
    """Puzzles of the file that do not have exactly one solution, by each counter asked."""
    run = subprocess.run([cli, "count", file], capture_output=True, text=True)
    ours = sum(1 for line in run.stdout.splitlines() if json.loads(line).get("count") != 1)
    if not oracle:
        return ours, None
    run = subprocess.run([sys.executable, oracle, file], capture_output=True, text=True)
    theirs = sum(1 for line in run.stdout.splitlines() if " count=" in line and " count=1 " not in line)
    return ours, theirs


def created_table(args):
    print("| size | level | puzzles | blank % median (target) | least | grades | median ms | max ms "
          "| not one solution |")
    print("|---|---|---|---|---|---|---|---|---|")
    with tempfile.TemporaryDirectory() as work:
        for size in args.sizes:
            rows, cols = (int(side) for side in size.split("x"))
            for level in args.levels:
                file, lines = create(args.cli, size, level, args.count, work)
                if not lines:
                    print(f"| {size} | {level} | 0 | | | | | | |")
                    continue
                shares = [line["open"] for line in lines]
                ms = [line["ms"] for line in lines]
                target = open_target(rows, cols, level)
                ours, theirs = unique_count(args.cli, args.oracle, file)
                wrong = f"{ours}" + (f" (SAT: {theirs})" if theirs is not None else "")
                print(f"| {size} | {level} | {len(lines)} | {statistics.median(shares):g}"
                      f"{f' ({target})' if target is not None else ''} | {min(shares)} "
                      f"| {grades_text([line['grade'] for line in lines])} "
                      f"| {statistics.median(ms):.0f} | {max(ms):.0f} | {wrong} |", flush=True)


def reference_table(args):
    print("| corpus file | puzzles | blank % median | least | grades |")
    print("|---|---|---|---|---|")
    for file in sorted(glob.glob(os.path.join(args.reference, "*.txt"))):
        with open(file) as records:
            count = sum(1 for line in records if line.strip())
        infos = []
        for n in range(1, count + 1):
            run = subprocess.run([args.cli, "info", file, str(n)], capture_output=True, text=True)
            infos.append(json.loads(run.stdout))
        shares = [info["open"] for info in infos]
        print(f"| {os.path.basename(file)} | {count} | {statistics.median(shares):g} "
              f"| {min(shares)} | {grades_text([info['grade'] for info in infos])} |", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default="build/bin/ringlace-cli")
    parser.add_argument("--count", type=int, default=20)
    parser.add_argument("--sizes", type=lambda text: text.split(","), default=SIZES)
    parser.add_argument("--levels", type=lambda text: text.split(","), default=LEVELS)
    parser.add_argument("--oracle", help="the SAT counter oracle.py (needs cadical)")
    parser.add_argument("--reference", help="a corpus folder of puzzle files to grade")
    args = parser.parse_args()
    created_table(args)
    if args.reference:
        print()
        reference_table(args)


if __name__ == "__main__":
    main()
