// Patterns as lines of a pattern file: the rows and columns as two digits each, then one
// character a cell, row by row, "#" where a clue goes and "." where the cell stays open.
#pragma once

#include <optional>
#include <string>

#include "create/creation.h"

namespace ringlace {

struct Pattern {
    int rows = 0;
    int cols = 0;
    PatternMask mask{};
    // The number of cells with a clue.
    int Clues() const;
};

// "1012" and 120 cell characters for a 10 x 12 pattern.
std::string PatternLine(const Pattern& pattern);

// Nothing when the sizes are not 1 to the limits, the line is shorter than its cells, or no cell
// has a clue.
std::optional<Pattern> ReadPatternLine(const std::string& line, int maxRows, int maxCols);

// Line n (1-based) of a pattern file, read as ReadPatternLine reads it.
std::optional<Pattern> LoadPatternAt(const std::string& file, int n, int maxRows, int maxCols);

}  // namespace ringlace
