// Which records of a puzzle file a command works on: "N", "FIRST-LAST" or "all".
#pragma once

#include <optional>
#include <string>

namespace ringlace::cli {

struct RecordRange {
    int first = 1;
    int last = 1;
};

// The records a range argument names in a file of recordCount records. "all" of a file without
// records is record 1, so that the command reports it as a record that cannot be loaded. Nothing
// when the text is not a range or FIRST is past LAST. Numbers past the file's end are kept here;
// WalkRecords skips them.
std::optional<RecordRange> ParseRecordRange(const std::string& text, int recordCount);

}  // namespace ringlace::cli
