#include "model/puzzle_record.h"

#include <optional>
#include <vector>

#include "model/solution_letters.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

constexpr std::size_t kHeaderLength = 6;

// A record taken apart and checked, before anything of the current puzzle is touched.
struct ParsedRecord {
    int rows = 0;
    int cols = 0;
    std::string code;
    std::vector<ClueValue> clues;  // by cell number - 1
    std::string tail;
};

std::optional<ParsedRecord> ParseRecord(const std::string& line, int maxRows, int maxCols) {
    ParsedRecord record;
    record.rows = static_cast<int>(NumericValue(line.substr(0, 2)));
    record.cols =
        static_cast<int>(NumericValue(line.substr(std::min<std::size_t>(2, line.size()), 2)));
    if (record.rows < 1 || record.rows > maxRows || record.cols < 1 || record.cols > maxCols)
        return std::nullopt;
    record.code = line.substr(std::min<std::size_t>(4, line.size()), 2);
    const std::size_t cells = static_cast<std::size_t>(record.rows * record.cols);
    if (line.size() < kHeaderLength + cells) return std::nullopt;
    record.clues.reserve(cells);
    for (std::size_t k = 0; k < cells; ++k) {
        const char ch = line[kHeaderLength + k];
        if (ch == ' ')
            record.clues.push_back(kNoClue);
        else if (ch >= '0' && ch <= '3')
            record.clues.push_back(static_cast<ClueValue>(ch - '0'));
        else
            return std::nullopt;
    }
    record.tail = line.substr(kHeaderLength + cells);
    return record;
}

EdgeState EntryState(char ch) {
    return ch == 'b' ? Bar : ch == 'x' ? XMark : Free;
}

void ApplyUserEntries(Grid& grid, const std::string& tail) {
    for (int k = 1; k <= grid.NumCells; ++k) {
        const std::size_t first = static_cast<std::size_t>(4 * (k - 1));
        for (const Side side : kSides) {
            const std::size_t at = first + SideIndex(side);
            if (at >= tail.size()) return;
            const EdgeState state = EntryState(tail[at]);
            if (state != Free) grid.SetEdge(grid.CellRow[k], grid.CellCol[k], side, state);
        }
    }
}

std::string RecordHeader(const Grid& grid, const std::string& code) {
    const auto twoDigits = [](int n) { return std::string(n < 10 ? "0" : "") + NumText(n); };
    std::string header = twoDigits(grid.Rows) + twoDigits(grid.Cols) + code;
    for (int k = 1; k <= grid.NumCells; ++k)
        header += grid.Clue[k] == kNoClue ? ' ' : static_cast<char>('0' + grid.Clue[k]);
    return header;
}

}  // namespace

std::string DifficultyName(const std::string& code) {
    if (code == "ME") return "Medium";
    if (code == "HA") return "Hard";
    return "Easy";
}

std::size_t LongestRecord(const Grid& grid) {
    return kHeaderLength + 5 * static_cast<std::size_t>(grid.MaxRows * grid.MaxCols);
}

bool LoadRecord(Grid& grid, const std::string& line) {
    const std::optional<ParsedRecord> record = ParseRecord(line, grid.MaxRows, grid.MaxCols);
    if (!record) return false;

    grid.Rows = record->rows;
    grid.Cols = record->cols;
    grid.DiffCode = record->code;
    grid.BuildCellIndex();
    grid.BuildNodeEdgeRef();
    for (int k = 0; k <= grid.NumCells; ++k) {
        grid.Clue[k] = kNoClue;
        grid.OrigClue[k] = kNoClue;
    }
    grid.ResetGrid();
    grid.ResetColours();
    for (int k = 1; k <= grid.NumCells; ++k) {
        grid.Clue[k] = record->clues[static_cast<std::size_t>(k - 1)];
        grid.OrigClue[k] = grid.Clue[k];
    }
    if (grid.DiffCode != kUserRecordCode) {
        grid.SolutionCode = record->tail.substr(0, static_cast<std::size_t>(grid.NumCells));
    } else {
        grid.SolutionCode.clear();
        ApplyUserEntries(grid, record->tail);
    }
    grid.ClueSum = 0;
    for (int k = 1; k <= grid.NumCells; ++k) grid.ClueSum += grid.ClueNumber(k);
    return true;
}

bool LoadPuzzle(Grid& grid, PuzzlePlace& place, const std::string& fileName, int puzNum) {
    if (puzNum < 1 || puzNum > place.count) return false;
    const std::optional<std::string> line = ReadLineAt(fileName, puzNum, LongestRecord(grid));
    if (!line || !LoadRecord(grid, *line)) return false;
    place.number = puzNum;
    place.file = fileName;
    return true;
}

std::string PuzzleRecordText(const Grid& grid) {
    return RecordHeader(grid, grid.DiffCode) + SolutionLetters(grid);
}

std::string UserRecordText(const Grid& grid) {
    std::string record = RecordHeader(grid, kUserRecordCode);
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            for (const Side side : kSides) {
                const EdgeState state = grid.CellEdge[r][c][side];
                record += state == Bar ? 'b' : state == XMark ? 'x' : '.';
            }
        }
    }
    return record;
}

bool WritePuzzleRecord(const Grid& grid, const std::string& fileName, WriteMode mode) {
    const std::string record = PuzzleRecordText(grid);
    if (mode == WriteMode::Append) return AppendLine(fileName, record);
    return WriteFileAtomically(fileName, record + std::string(kCrLf));
}

bool WriteUserRecord(const Grid& grid, const std::string& fileName) {
    return AppendLine(fileName, UserRecordText(grid));
}

}  // namespace ringlace
