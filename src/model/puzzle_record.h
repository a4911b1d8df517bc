// The puzzle record: one puzzle per line of a puzzle file. Two digits of rows, two of columns,
// a two-character difficulty code, one clue character per cell (blank for none), then either the
// solution letters or, for the code "**", the player's entries (four characters per cell).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "model/clue_grid.h"
#include "model/grid.h"
#include "model/puzzle_place.h"

namespace ringlace {

inline constexpr const char* kUserRecordCode = "**";

// "Easy", "Medium" or "Hard" for the codes "EA", "ME", "HA"; any other code is shown as "Easy".
std::string DifficultyName(const std::string& code);

// The longest record line the grid can hold; anything after it in a line is never read.
std::size_t LongestRecord(const Grid& grid);

// The clues of one record's text, checked as LoadRecord checks them; nothing when it is not a
// record of at most maxRows x maxCols. Only the first RecordCluesLength characters are read.
std::optional<ClueGrid> RecordClues(const std::string& line, int maxRows, int maxCols);
std::size_t RecordCluesLength(int maxRows, int maxCols);

// Loads one record's text into the grid. False, with the grid as it was, when the text is not a
// record the grid can hold; whyNot, when given, then says why in a few words ("size out of range",
// "line too short for its size", "bad clue character at position P").
[[nodiscard]] bool LoadRecord(Grid& grid, const std::string& line, std::string* whyNot = nullptr);

// Why record puzNum of the file cannot be had: "records are numbered from 1", "no such file", "not
// a file", "cannot be read", or else "line N missing".
std::string WhyNoRecord(const std::string& fileName, int puzNum);

// Loads record puzNum of the file into the grid and makes it the place's puzzle. The caller sets
// place.count (CountLines) first. False on failure, with whyNot (when given) saying why as
// LoadRecord or WhyNoRecord do; a failed load leaves the grid and the place as they were.
[[nodiscard]] bool LoadPuzzle(Grid& grid, PuzzlePlace& place, const std::string& fileName,
                              int puzNum, std::string* whyNot = nullptr);

// The record of the current puzzle with the solution letters of its current bars.
std::string PuzzleRecordText(const Grid& grid);
// The "**" record of the current clues and the player's bars and X marks.
std::string UserRecordText(const Grid& grid);

enum class WriteMode { Replace, Append };
bool WritePuzzleRecord(const Grid& grid, const std::string& fileName, WriteMode mode);
bool WriteUserRecord(const Grid& grid, const std::string& fileName);

}  // namespace ringlace
