#include "model/puzzle_record.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "model/solution_letters.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kHeaderLength = 6;

// A record taken apart and checked, before anything of the current puzzle is touched.
struct ParsedRecord {
    ClueGrid clues;
    std::string code;
    std::string tail;
};

// The record, or nothing with whyNot saying in a few words what is wrong with it.
std::optional<ParsedRecord> ParseRecord(const std::string& line, int maxRows, int maxCols,
                                        std::string& whyNot) {
    ParsedRecord record;
    ClueGrid& clues = record.clues;
    clues.rows = static_cast<int>(NumericValue(line.substr(0, 2)));
    clues.cols =
        static_cast<int>(NumericValue(line.substr(std::min<std::size_t>(2, line.size()), 2)));
    if (clues.rows < 1 || clues.rows > maxRows || clues.cols < 1 || clues.cols > maxCols) {
        whyNot = "size out of range";
        return std::nullopt;
    }
    record.code = line.substr(std::min<std::size_t>(4, line.size()), 2);
    const std::size_t cells = static_cast<std::size_t>(clues.rows * clues.cols);
    if (line.size() < kHeaderLength + cells) {
        whyNot = "line too short for its size";
        return std::nullopt;
    }
    clues.clues.reserve(cells);
    for (std::size_t k = 0; k < cells; ++k) {
        const char ch = line[kHeaderLength + k];
        if (ch == ' ') {
            clues.clues.push_back(kNoClue);
        } else if (ch >= '0' && ch <= '3') {
            clues.clues.push_back(static_cast<ClueValue>(ch - '0'));
        } else {
            whyNot = "bad clue character at position " +
                     NumText(static_cast<long long>(kHeaderLength + k + 1));
            return std::nullopt;
        }
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

std::optional<ClueGrid> RecordClues(const std::string& line, int maxRows, int maxCols) {
    std::string whyNot;
    std::optional<ParsedRecord> record = ParseRecord(line, maxRows, maxCols, whyNot);
    if (!record) return std::nullopt;
    return std::move(record->clues);
}

std::size_t RecordCluesLength(int maxRows, int maxCols) {
    return kHeaderLength + static_cast<std::size_t>(maxRows * maxCols);
}

std::size_t LongestRecord(const Grid& grid) {
    return kHeaderLength + 5 * static_cast<std::size_t>(grid.MaxRows * grid.MaxCols);
}

bool LoadRecord(Grid& grid, const std::string& line, std::string* whyNot) {
    std::string problem;
    const std::optional<ParsedRecord> record =
        ParseRecord(line, grid.MaxRows, grid.MaxCols, problem);
    if (!record) {
        if (whyNot) *whyNot = problem;
        return false;
    }
    PlaceClues(grid, record->clues);
    grid.DiffCode = record->code;
    if (grid.DiffCode != kUserRecordCode) {
        grid.SolutionCode = record->tail.substr(0, static_cast<std::size_t>(grid.NumCells));
    } else {
        grid.SolutionCode.clear();
        ApplyUserEntries(grid, record->tail);
    }
    return true;
}

std::string WhyNoRecord(const std::string& fileName, int puzNum) {
    if (puzNum < 1) return "records are numbered from 1";
    std::error_code error;
    if (!fs::exists(fileName, error)) return "no such file";
    if (!fs::is_regular_file(fileName, error)) return "not a file";
    if (!LineReader(fileName).IsOpen()) return "cannot be read";
    return "line " + NumText(puzNum) + " missing";
}

bool LoadPuzzle(Grid& grid, PuzzlePlace& place, const std::string& fileName, int puzNum,
                std::string* whyNot) {
    const std::optional<std::string> line = puzNum >= 1 && puzNum <= place.count
                                                ? ReadLineAt(fileName, puzNum, LongestRecord(grid))
                                                : std::nullopt;
    if (!line) {
        if (whyNot) *whyNot = WhyNoRecord(fileName, puzNum);
        return false;
    }
    if (!LoadRecord(grid, *line, whyNot)) return false;
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
