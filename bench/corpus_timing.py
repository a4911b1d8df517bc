"""Shared pieces of the corpus benchmarks: running a ringlace-cli command over a puzzle file and
keeping each puzzle's best time, and printing figures per group."""
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


def best_of(cli, command, path, repeat, after=()):
    """The JSON lines of `ringlace-cli COMMAND PATH AFTER...`, with each line's ms the smallest of
    the runs."""
    best = None
    for _ in range(repeat):
        run = subprocess.run([cli] + command + [path] + list(after), capture_output=True, text=True)
        lines = [json.loads(line) for line in run.stdout.splitlines()]
        if best is None:
            best = lines
        else:
            for kept, line in zip(best, lines):
                kept["ms"] = min(kept["ms"], line["ms"])
    return best


def records(path):
    with open(path, newline="") as f:
        return [line for line in f.read().replace("\r\n", "\n").split("\n") if line]


def size_key(name):
    rows, cols = map(int, name.split("x"))
    return rows * cols, rows
