"""A jumbo puzzle as an independent reader and counter see it: xlrd reads the spreadsheet that
`ringlace-cli create --jumbo` wrote, the clues and the loop drawn as borders become a puzzle
record, and the SAT counter oracle.py decides that exactly one loop fits the clues, the drawn one.
Where the SAT counter is not at hand (a checkout without the shared tools beside it) the check
is skipped (exit status 77); the core tests count jumbo grids with the program's own counter.

Usage: jumbo_check.py RINGLACE_CLI ORACLE SIZE SEED
"""

import os
import re
import subprocess
import sys
import tempfile

import xlrd

SIDES_LETTER = {
    "L": "A", "LT": "B", "LTR": "C", "LTB": "D", "LR": "E", "LB": "F", "T": "G", "TR": "H",
    "TRB": "I", "TB": "J", "R": "K", "RB": "L", "LRB": "M", "B": "N", "": "X",
}


def record_of_sheet(path):
    with open(os.devnull, "w") as quiet:
        book = xlrd.open_workbook(path, formatting_info=True, logfile=quiet)
    sheet = book.sheet_by_index(0)
    rows, cols = sheet.nrows - 2, (sheet.ncols - 3) // 2
    clues, letters = "", ""
    for r in range(rows):
        for c in range(cols):
            value = sheet.cell_value(r + 2, c + 1)
            clues += " " if value == "" else str(int(value))
            border = book.xf_list[sheet.cell_xf_index(r + 2, c + cols + 3)].border
            sides = "".join(side for name, side in (("left", "L"), ("top", "T"), ("right", "R"),
                                                    ("bottom", "B"))
                            if getattr(border, name + "_line_style") != 0)
            letters += SIDES_LETTER[sides]
    return "%02d%02dHA%s%s" % (rows, cols, clues, letters), rows, cols


def main():
    cli, oracle, size, seed = sys.argv[1:5]
    if not os.path.exists(oracle):
        print("no SAT counter at", oracle)
        sys.exit(77)
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "jumbo.xls")
        subprocess.run([cli, "create", "--jumbo", size, "--out", path, "--seed", seed],
                       check=True, stderr=subprocess.DEVNULL)
        record, rows, cols = record_of_sheet(path)
    wanted = tuple(int(n) for n in size.lower().split("x"))
    if (rows, cols) != wanted:
        sys.exit("FAIL: the sheet holds %dx%d, not %s" % (rows, cols, size))
    answer = subprocess.run([sys.executable, oracle, "-r", record], check=True,
                            capture_output=True, text=True).stdout
    verdict = answer.splitlines()[0]
    print(verdict)
    if not re.search(r"\bcount=1\b", verdict):
        sys.exit("FAIL: the counter does not find exactly one loop")
    if not re.search(r"\bstored=match\b", verdict):
        sys.exit("FAIL: the one loop is not the drawn one")


if __name__ == "__main__":
    main()
