"""The spreadsheet file as an independent reader sees it: xlrd opens a sheet that the program
wrote for a real puzzle and finds the titles, fonts, clues and the loop drawn as cell borders.

Usage: xls_readback_test.py RINGLACE_CLI PUZZLES (the first record of PUZZLES is written).
"""

import os
import subprocess
import sys
import tempfile
import unittest

import xlrd

ADDRESS = "https://ringlace.example.org"

# The sides that carry a bar in each solution letter of a puzzle record.
LETTER_SIDES = {
    "A": "L", "B": "LT", "C": "LTR", "D": "LTB", "E": "LR", "F": "LB", "G": "T", "H": "TR",
    "I": "TRB", "J": "TB", "K": "R", "L": "RB", "M": "LRB", "N": "B", "X": "",
}


def read_record(path):
    """Rows, columns, clue rows and solution letter rows of the file's first record."""
    with open(path, encoding="latin-1") as f:
        line = f.readline().rstrip("\r\n")
    rows, cols = int(line[0:2]), int(line[2:4])
    cells = rows * cols
    clues = line[6:6 + cells]
    letters = line[6 + cells:6 + 2 * cells]
    return (rows, cols,
            [clues[r * cols:(r + 1) * cols] for r in range(rows)],
            [letters[r * cols:(r + 1) * cols] for r in range(rows)])


class ReadBack(unittest.TestCase):
    writer = None
    puzzles = None

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        path = os.path.join(cls.folder.name, "puzzle.xls")
        subprocess.run([cls.writer, "export", "--format", "xls", cls.puzzles, "1", "--out", path],
                       check=True, stdout=subprocess.DEVNULL)
        cls.book = xlrd.open_workbook(path, formatting_info=True)
        cls.sheet = cls.book.sheet_by_index(0)
        cls.rows, cls.cols, cls.clues, cls.letters = read_record(cls.puzzles)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def xf(self, row, col):
        return self.book.xf_list[self.sheet.cell_xf_index(row, col)]

    def font(self, row, col):
        return self.book.font_list[self.xf(row, col).font_index]

    def test_an_excel_2_worksheet_of_both_grids(self):
        self.assertEqual(self.book.biff_version, 20)
        self.assertEqual(self.book.nsheets, 1)
        self.assertEqual(self.sheet.nrows, self.rows + 2)
        self.assertEqual(self.sheet.ncols, 2 * self.cols + 3)
        for col in (0, self.cols + 2, 199):
            self.assertEqual(self.sheet.colinfo_map[col].width, 3 * 256)

    def test_titles_in_bold_arial_on_the_left(self):
        solution_col = self.cols + 3
        titles = {(0, 1): "Ringlace Puzzle : Easy", (1, 1): ADDRESS,
                  (0, solution_col): "Ringlace Solution", (1, solution_col): ADDRESS}
        for (row, col), text in titles.items():
            with self.subTest(row=row, col=col):
                self.assertEqual(self.sheet.cell_type(row, col), xlrd.XL_CELL_TEXT)
                self.assertEqual(self.sheet.cell_value(row, col), text)
                font = self.font(row, col)
                self.assertEqual((font.name, font.height, font.bold), ("Arial", 200, 1))
                self.assertEqual(self.xf(row, col).alignment.hor_align, 1)

    def test_clues_and_blanks_centred_in_plain_arial(self):
        for r in range(self.rows):
            for c in range(self.cols):
                clue = self.clues[r][c]
                for col in (c + 1, c + self.cols + 3):
                    with self.subTest(r=r, c=c, col=col):
                        cell = self.sheet.cell(r + 2, col)
                        if clue == " ":
                            self.assertEqual((cell.ctype, cell.value), (xlrd.XL_CELL_TEXT, ""))
                        else:
                            self.assertEqual((cell.ctype, cell.value),
                                             (xlrd.XL_CELL_NUMBER, float(clue)))
                        font = self.font(r + 2, col)
                        self.assertEqual((font.name, font.height, font.bold), ("Arial", 200, 0))
                        self.assertEqual(self.xf(r + 2, col).alignment.hor_align, 2)

    def test_the_loop_as_borders_of_the_solution_cells_only(self):
        bars_seen = 0
        for r in range(self.rows):
            for c in range(self.cols):
                sides = LETTER_SIDES[self.letters[r][c]]
                bars_seen += len(sides)
                with self.subTest(r=r, c=c):
                    puzzle = self.xf(r + 2, c + 1).border
                    solution = self.xf(r + 2, c + self.cols + 3).border
                    for name, side in (("left", "L"), ("right", "R"), ("top", "T"),
                                       ("bottom", "B")):
                        style = name + "_line_style"
                        self.assertEqual(getattr(puzzle, style), 0)
                        self.assertEqual(getattr(solution, style) != 0, side in sides, name)
        self.assertGreater(bars_seen, 0)


if __name__ == "__main__":
    ReadBack.writer, ReadBack.puzzles = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
