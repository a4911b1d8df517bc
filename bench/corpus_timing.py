"""Shared pieces of the corpus benchmarks: running a ringlace-cli command over a puzzle file and
keeping each puzzle's best time, and printing figures per group."""
import argparse
import glob
import json
import math
import os
import statistics
import subprocess

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def percentile90(values):
    ordered = sorted(values)
    return ordered[max(0, math.ceil(0.9 * len(ordered)) - 1)]


def table(title, groups):
    print(title)
    print("%-8s %7s %9s %9s %9s" % ("", "puzzles", "median", "p90", "max"))
    for name, values in groups:
        print("%-8s %7d %9.3f %9.3f %9.3f"
              % (name, len(values), statistics.median(values), percentile90(values), max(values)))
    print()


def run_lines(cli, command, path, after=()):
    """The JSON lines of one run of `ringlace-cli COMMAND PATH AFTER...`."""
    run = subprocess.run([cli] + command + [path] + list(after), capture_output=True, text=True)
    return [json.loads(line) for line in run.stdout.splitlines()]


def keep_fastest(best, lines):
    """The lines kept so far (None before the first run), each line's ms the smallest yet."""
    if best is None:
        return lines
    for kept, line in zip(best, lines):
        kept["ms"] = min(kept["ms"], line["ms"])
    return best


def best_of_each(clis, command, path, repeat, after=()):
    """For each build, the JSON lines of `ringlace-cli COMMAND PATH AFTER...` with each line's ms
    the smallest of the runs. The builds' runs take turns (one of each, then again), so that a
    drift of the machine's speed falls on every build alike."""
    best = [None] * len(clis)
    for _ in range(repeat):
        for k, cli in enumerate(clis):
            best[k] = keep_fastest(best[k], run_lines(cli, command, path, after))
    return best


def best_of(cli, command, path, repeat, after=()):
    """best_of_each for one build."""
    return best_of_each([cli], command, path, repeat, after)[0]


def autosolve_options(doc, seed, extra=()):
    """The options of the Autosolve benchmarks (--cli, --baseline, --limit, --sizes, --seed, and
    the EXTRA (name, type, default) ones), parsed, and the test corpus's records of those sizes."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--cli", default=os.path.join(REPO, "build", "bin", "ringlace-cli"))
    parser.add_argument("--baseline")
    parser.add_argument("--limit", type=float, default=10.0)
    parser.add_argument("--sizes", default="20x20,25x25")
    parser.add_argument("--seed", type=int, default=seed)
    for name, kind, default in extra:
        parser.add_argument(name, type=kind, default=default)
    args = parser.parse_args()
    corpus = os.path.join(REPO, "tests", "data", "corpus")
    sources = [r for size in args.sizes.split(",")
               for path in sorted(glob.glob(os.path.join(corpus, size + "-*.txt")))
               for r in records(path)]
    return args, sources


def solve_each(cli, path, count, limit):
    """`ringlace-cli solve` on records 1 to COUNT of the file, each in its own process, stopped
    after LIMIT seconds: such a record's answer is "over the limit" at the limit's ms."""
    answers = []
    for n in range(1, count + 1):
        try:
            run = subprocess.run([cli, "solve", path, str(n)], capture_output=True, text=True,
                                 timeout=limit)
            answers.append(json.loads(run.stdout))
        except subprocess.TimeoutExpired:
            answers.append({"result": "over the limit", "not_unique": None, "ms": limit * 1000.0})
    return answers


def records(path):
    with open(path, newline="") as f:
        return [line for line in f.read().replace("\r\n", "\n").split("\n") if line]


def size_key(name):
    rows, cols = map(int, name.split("x"))
    return rows * cols, rows
