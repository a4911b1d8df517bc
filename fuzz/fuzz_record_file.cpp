// A puzzle file as the collection commands read it: its lines counted, then its first records
// loaded by number. The count agrees with a walk through the lines, and record n is line n.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/puzzle_record.h"
#include "model/text_file.h"
#include "require.h"
#include "scratch_file.h"

using namespace ringlace;
using fuzz::Require;

namespace {

// Enough records to reach lines after odd line ends, few enough to keep every run fast.
constexpr int kRecordsLoaded = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = fuzz::ScratchFile("puzzles.txt", data, size);
    PuzzlePlace place;
    place.count = CountLines(file);

    Grid grid;
    LineReader reader(file);
    std::string line;
    int walked = 0;
    while (reader.Next(line, LongestRecord(grid))) {
        ++walked;
        if (walked > kRecordsLoaded) continue;
        Require(ReadLineAt(file, walked, LongestRecord(grid)) == line,
                "ReadLineAt and LineReader read another line");
        Grid loaded;
        PuzzlePlace at = place;
        Require(LoadPuzzle(loaded, at, file, walked) == LoadRecord(grid, line),
                "LoadPuzzle and LoadRecord disagree on a record");
    }
    Require(walked == place.count, "CountLines and LineReader count other lines");
    PuzzlePlace past = place;
    Require(!LoadPuzzle(grid, past, file, place.count + 1),
            "a record past the end of the file loads");
    return 0;
}
