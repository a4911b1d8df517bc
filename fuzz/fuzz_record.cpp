// A record line of a puzzle file: a record that loads is written back as the program saves it,
// and that text loads again to the same puzzle and the same solution.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "require.h"

using namespace ringlace;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    Grid grid;
    const bool loaded = LoadRecord(grid, line);
    const auto clues = RecordClues(line, grid.MaxRows, grid.MaxCols);
    Require(clues.has_value() == loaded, "RecordClues and LoadRecord disagree on a record");
    if (!loaded) return 0;
    Require(*clues == CluesOf(grid), "RecordClues reads other clues than LoadRecord");
    if (grid.DiffCode == kUserRecordCode) return 0;

    ApplySolution(grid);
    const std::string written = PuzzleRecordText(grid);
    Grid again;
    Require(LoadRecord(again, written), "a loaded record, written back, does not load");
    Require(CluesOf(again) == CluesOf(grid), "a record written back has other clues");
    // Stored letters that disagree on a shared side can put bars on all four sides of a cell,
    // which no letter names: the file format then writes one letter fewer, and the letters after
    // it move to the cells before them. Every other solution reads back as written.
    if (again.SolutionCode.size() < static_cast<std::size_t>(again.NumCells)) return 0;
    ApplySolution(again);
    Require(PuzzleRecordText(again) == written, "a record written back has another solution");
    return 0;
}
