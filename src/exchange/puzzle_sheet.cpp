#include "exchange/puzzle_sheet.h"

#include <memory>

#include "exchange/excel_file.h"
#include "exchange/maker.h"
#include "model/solution_letters.h"

namespace ringlace {

namespace {

constexpr double kMarginInches = 1.5;
constexpr std::uint16_t kTenPoints = 200;
constexpr const char* kFontName = "Arial";
constexpr int kNormalFont = 0;
constexpr int kTitleFont = 1;
// Narrow columns far enough right to hold two of the widest grids side by side.
constexpr int kNarrowColumns = 200;
constexpr std::uint16_t kThreeCharacters = 3 * 256;

std::string TitleDifficulty(const std::string& code) {
    if (code == "ME") return "Med";
    if (code == "HA") return "Hard";
    return "Easy";
}

// A cell without a clue still gets a record, so the solution's borders show around it.
void ClueCell(ExcelSheet& sheet, const Grid& grid, int r, int c, int row, int col,
              const CellFormat& format) {
    const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
    if (clue == kNoClue) {
        sheet.TextCell(row, col, "", format);
    } else {
        sheet.IntegerCell(row, col, static_cast<std::uint16_t>(clue), format);
    }
}

std::uint8_t LoopBorders(const Grid& grid, int r, int c) {
    std::uint8_t borders = 0;
    if (grid.CellEdge[r][c][Side::Left] == Bar) borders |= kBorderLeft;
    if (grid.CellEdge[r][c][Side::Right] == Bar) borders |= kBorderRight;
    if (grid.CellEdge[r][c][Side::Top] == Bar) borders |= kBorderTop;
    if (grid.CellEdge[r][c][Side::Bottom] == Bar) borders |= kBorderBottom;
    return borders;
}

}  // namespace

bool WritePuzzleSheet(const Grid& grid, const std::string& fileName, SheetLoop loop) {
    const Grid* looped = &grid;
    std::unique_ptr<Grid> solved;
    if (loop == SheetLoop::StoredSolution) {
        solved = std::make_unique<Grid>(grid);
        ApplySolution(*solved);
        looped = solved.get();
    }

    ExcelSheet sheet;
    sheet.HidePrintedGridLines();
    for (const PageMargin side :
         {PageMargin::Top, PageMargin::Left, PageMargin::Right, PageMargin::Bottom})
        sheet.Margin(side, kMarginInches);
    sheet.Font(kFontName, kTenPoints, 0);
    sheet.Font(kFontName, kTenPoints, kBold);
    sheet.ColumnWidth(1, kNarrowColumns, kThreeCharacters);

    const int solutionCol = grid.Cols + 4;
    const CellFormat title{.font = kTitleFont, .alignment = CellAlignment::Left};
    sheet.TextCell(1, 2, "Ringlace Puzzle : " + TitleDifficulty(grid.DiffCode), title);
    sheet.TextCell(2, 2, kMakerAddress, title);
    sheet.TextCell(1, solutionCol, "Ringlace Solution", title);
    sheet.TextCell(2, solutionCol, kMakerAddress, title);

    const CellFormat clue{.font = kNormalFont, .alignment = CellAlignment::Centre};
    for (int r = 1; r <= grid.Rows; ++r)
        for (int c = 1; c <= grid.Cols; ++c) ClueCell(sheet, grid, r, c, r + 2, c + 1, clue);
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            CellFormat bordered = clue;
            bordered.borders = LoopBorders(*looped, r, c);
            ClueCell(sheet, grid, r, c, r + 2, solutionCol - 1 + c, bordered);
        }
    }
    return sheet.Save(fileName);
}

}  // namespace ringlace
