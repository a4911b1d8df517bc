// The number locations editor's commands: pattern files (append, step, delete), and a pattern
// applied to the board so that the next Autosolve creates a puzzle on it.
#pragma once

#include "commands/app.h"
#include "commands/creation_endings.h"
#include "create/pattern_file.h"

namespace ringlace {

// "Unable to create a valid puzzle" with the reason: the pattern's clues fixed no single loop.
Message PatternFailedMessage();

// "No pattern to apply!" when no cell is a clue cell.
std::optional<Message> CheckPattern(const Pattern& pattern);

// Asks for a pattern file and appends the pattern to it (the file is made when missing).
void SavePatternToFile(App& app, const Pattern& pattern);

// Pattern n of the file; "Error reading pattern file:" and the name when it is not a pattern of a
// puzzle's size.
std::optional<Pattern> ReadPatternOf(Host& host, const std::string& file, int n);

// Takes pattern n out of its file after the question, as puzzles are deleted (written beside,
// then renamed over it); refused for a file of one pattern or none. True when it was deleted.
bool DeletePatternFromFile(App& app, const std::string& file, int n);

// The board takes the pattern's size, empty, Medium; the status line says
// "Now Autosolve to create a puzzle".
void ApplyPatternToBoard(App& app, const Pattern& pattern);

// What Autosolve does while a pattern is applied: a Medium puzzle with its clues exactly on the
// pattern's cells, ending as any creation on the board. A pattern whose clues fix no single loop
// says so and stays applied.
CreateEnd CreateOnPendingPattern(App& app);

}  // namespace ringlace
