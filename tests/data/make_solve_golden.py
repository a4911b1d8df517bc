#!/usr/bin/env python3
"""Makes solve_golden.txt: what `ringlace-cli solve` (the Autosolve button) answers for every
record of the development corpus, of the shipped puzzles, of the altered puzzles and of
created_puzzles.txt, so that a faster solver can be held to the same answers.

created_puzzles.txt is made first when it is missing: `ringlace-cli create` with the seeds 1 to 6
at every size and level, and 8 puzzles of random size. It is kept as it is afterwards, since the
creators themselves run the solver.

Output lines: the source file (relative to the repository), the record number, the result
("solved", "unable", "cancelled" or "no clues"), the last stage announced, the number of solutions
(0, 1, or 2 for two or more) and the solution letters (empty unless solved), separated by tabs.
Lines starting with "#" are comments.

usage: make_solve_golden.py CLI
"""
import json
import os
import subprocess
import sys
import signal
import tempfile
import threading

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
CREATED = os.path.join(HERE, "created_puzzles.txt")
SIZES = ["5x5", "7x7", "7x12", "9x9", "10x10", "15x15", "20x20", "25x25"]
LEVELS = ["easy", "medium", "hard", "03only"]
SEEDS_PER_KIND = 6
RANDOM_SIZES = 8
TIME_LIMIT = 60
CHAIN_STAGE = "Solving by chain inspection ..."


def create_puzzles(cli):
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "created.txt")
        kinds = [(size, level, SEEDS_PER_KIND) for size in SIZES for level in LEVELS]
        kinds.append(("random", "hard", RANDOM_SIZES))
        for size, level, count in kinds:
            subprocess.run([cli, "create", "--size", size, "--level", level, "--count",
                            str(count), "--seed", "1", "--out", out],
                           check=True, stderr=subprocess.DEVNULL)
        os.replace(out, CREATED)


def altered_records(work):
    """The altered puzzles as a puzzle file, record n being the n-th puzzle of the data."""
    path = os.path.join(work, "altered.txt")
    with open(os.path.join(HERE, "altered_puzzles.txt")) as f, open(path, "w", newline="") as out:
        for line in f:
            if line.strip() and not line.startswith("#"):
                out.write(line.rstrip("\r\n").split("\t")[2] + "\r\n")
    return path


def solve(cli, path):
    """The answers for every record. A record still in the complete search after TIME_LIMIT
    seconds is cancelled: the search is complete, so it would have found a loop exactly when the
    clues admit one, and that is its answer."""
    answers = []
    first = 1
    while True:
        run = subprocess.Popen([cli, "solve", path, "%d-%d" % (first, count_lines(path))],
                               stdout=subprocess.PIPE, text=True)
        timer = threading.Timer(TIME_LIMIT, lambda: run.send_signal(signal.SIGINT))
        timer.start()
        for line in run.stdout:
            timer.cancel()
            answer = json.loads(line)
            if answer["result"] == "cancelled":
                if answer["stage"] != CHAIN_STAGE:
                    sys.exit("cancelled outside the complete search: %s %d" % (path, first))
                answer["solutions"] = count(cli, path, answer["puzzle"])
                answer["result"] = "solved" if answer["solutions"] > 0 else "unable"
                answer["solution"] = "?" if answer["solutions"] > 0 else ""
                print("record %d of %s took too long" % (answer["puzzle"], path), file=sys.stderr)
            answers.append(answer)
            first = answer["puzzle"] + 1
            timer = threading.Timer(TIME_LIMIT, lambda: run.send_signal(signal.SIGINT))
            timer.start()
        timer.cancel()
        run.wait()
        if first > count_lines(path):
            return answers


def count(cli, path, record):
    run = subprocess.run([cli, "count", path, str(record)], capture_output=True, text=True)
    return json.loads(run.stdout)["count"]


def count_lines(path):
    with open(path, newline="") as f:
        return sum(1 for line in f.read().replace("\r\n", "\n").split("\n") if line)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    cli = sys.argv[1]
    if not os.path.exists(CREATED):
        create_puzzles(cli)
    corpus = sorted(os.listdir(os.path.join(HERE, "corpus")))
    sources = ["tests/data/corpus/" + name for name in corpus if name.endswith(".txt")]
    sources += ["data/puzzles.txt", "tests/data/altered_puzzles.txt",
                "tests/data/created_puzzles.txt"]
    lines = ["# What `ringlace-cli solve` answers for each record: source, record, result, last "
             "stage,", "# solutions (0, 1, or 2 for two or more), solution letters. Made by "
             "make_solve_golden.py; do not edit by hand."]
    with tempfile.TemporaryDirectory() as work:
        for source in sources:
            path = os.path.join(REPO, source)
            if source.endswith("altered_puzzles.txt"):
                path = altered_records(work)
            for answer in solve(cli, path):
                lines.append("\t".join([source, str(answer["puzzle"]), answer["result"],
                                        answer["stage"], str(answer["solutions"]),
                                        answer["solution"]]))
            print(source, file=sys.stderr)
    with open(os.path.join(HERE, "solve_golden.txt"), "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
