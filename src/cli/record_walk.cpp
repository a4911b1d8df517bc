#include "cli/record_walk.h"

#include <algorithm>
#include <iostream>

#include "model/puzzle_record.h"
#include "model/text_file.h"

namespace ringlace::cli {

namespace {

void ReportSkipped(const std::string& fileName, int recordCount, int skipped) {
    std::cerr << "ringlace-cli: \"" << fileName << "\" has " << recordCount
              << (recordCount == 1 ? " record; " : " records; ") << skipped
              << (skipped == 1 ? " number past its end was" : " numbers past its end were")
              << " skipped\n";
}

}  // namespace

int WalkRecords(const std::string& fileName, const RecordRange& range, int recordCount, Grid& grid,
                const RecordVisit& visit) {
    const int through = std::max(range.first, std::min(range.last, recordCount));
    LineReader reader(fileName);
    std::string line;
    int linesRead = 0;
    // The loop ends at `through` before its number could pass the largest int.
    for (int puzzle = range.first;; ++puzzle) {
        while (linesRead < puzzle - 1 && reader.Next(line, 0)) ++linesRead;
        std::string whyNot;
        if (linesRead == puzzle - 1 && reader.Next(line, LongestRecord(grid))) {
            ++linesRead;
            static_cast<void>(LoadRecord(grid, line, &whyNot));
        } else {
            whyNot = WhyNoRecord(fileName, puzzle);
        }
        if (!visit(puzzle, whyNot)) return 0;
        if (puzzle == through) break;
    }
    const int skipped = range.last - through;
    if (skipped > 0) ReportSkipped(fileName, recordCount, skipped);
    return skipped;
}

}  // namespace ringlace::cli
