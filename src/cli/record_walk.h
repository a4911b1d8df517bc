// Going through the records of a range in one reading of the puzzle file, so that a whole file
// takes time in proportion to its length.
#pragma once

#include <functional>
#include <string>

#include "cli/record_range.h"
#include "model/grid.h"

namespace ringlace::cli {

// Called with a record's number and "" when it loaded into the grid, or why it did not (the grid
// then holds what it held). False stops the walk.
using RecordVisit = std::function<bool(int puzzle, const std::string& whyNot)>;

// Loads the records of the range into grid one after another and visits each. recordCount, the
// file's lines counted before, bounds the walk, so that a file that grows meanwhile (the solution
// register being the file solved) cannot make it longer. The first number is always visited, so
// that a number past the end says why it cannot be loaded; numbers after it that lie past the end
// are skipped, and one line on standard error says how many. Returns the number skipped.
int WalkRecords(const std::string& fileName, const RecordRange& range, int recordCount, Grid& grid,
                const RecordVisit& visit);

}  // namespace ringlace::cli
