#include "commands/exchange_commands.h"

#include <memory>
#include <optional>

#include "commands/app.h"
#include "commands/collection_edits.h"
#include "commands/file_requests.h"
#include "commands/run_scope.h"
#include "exchange/game_id.h"
#include "exchange/imported_puzzle.h"
#include "exchange/plain_text.h"
#include "exchange/puzzle_picture.h"
#include "exchange/puzzle_sheet.h"
#include "model/clue_grid.h"
#include "model/puzzle_record.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

const std::string kCrLfText(kCrLf);

void Tell(App& app, const std::string& text, Icon icon) {
    app.host.Ask({text, icon, Buttons::Ok});
}

// The common start of the exports: a puzzle to export, and no long work on it.
bool RefuseExport(App& app) {
    if (RefuseWhileBusy(app)) return true;
    if (app.place.number >= 1) return false;
    Tell(app, "This puzzle is not complete", Icon::Critical);
    return true;
}

// Asks for a file to write; "" when the person cancelled or would not overwrite.
std::string AskOutputFile(App& app, const FileRequest& request, const std::string& extension) {
    const std::string file = AskForFile(app, request, extension);
    return !file.empty() && ConfirmOverwrite(app.host, file) ? file : "";
}

std::string AskTextFile(App& app, const std::string& title) {
    return AskOutputFile(app, {title, "*.txt", "Text Files", "Select a text file", "SAVE", ""},
                         "txt");
}

void TellWritten(App& app, bool written, const std::string& file, const std::string& saidAs) {
    if (written)
        Tell(app, saidAs + kCrLfText + file, Icon::Save);
    else
        ReportFileTrouble(app.host, FileTrouble::NotWritten, file);
}

bool WriteLines(const std::string& file, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + kCrLfText;
    return WriteFileAtomically(file, text);
}

// The ".rlc" companion of an imported text file: its own name up to its first "." (never a
// folder's), then "rlc".
std::string CompanionFile(const std::string& file) {
    const std::string name = FileNamePart(file);
    return FolderPart(file) + name.substr(0, name.find('.')) + ".rlc";
}

std::optional<ClueGrid> ReadTextFile(const std::string& file, const Grid& limits) {
    LineReader reader(file);
    if (!reader.IsOpen()) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    // One character past the widest grid is enough to refuse a longer line.
    while (reader.Next(line, static_cast<std::size_t>(limits.MaxCols) + 1)) {
        lines.push_back(line);
        if (lines.size() > static_cast<std::size_t>(limits.MaxRows)) return std::nullopt;
    }
    return ReadPlainText(lines, TextOrigin::File, limits.MaxRows, limits.MaxCols);
}

}  // namespace

void SaveTextPictureCommand(App& app, PictureOf what) {
    if (RefuseExport(app)) return;
    const std::string file = AskTextFile(app, "Select an output file");
    if (file.empty()) return;
    const std::string header =
        PuzzleHeader(what == PictureOf::Puzzle ? "Puz#" : "Soln#", app.grid, app.place);
    TellWritten(app, WriteLines(file, TextPictureFile(app.grid, header, what)), file,
                "Output file created:");
}

void SavePlainTextCommand(App& app) {
    if (RefuseExport(app)) return;
    const std::string file = AskTextFile(app, "Select an output text file");
    if (file.empty()) return;
    TellWritten(app, WriteLines(file, PlainTextLines(CluesOf(app.grid))), file,
                "Current Puzzle saved in file:");
}

void SaveSpreadsheetCommand(App& app) {
    if (RefuseExport(app)) return;
    const std::string file = AskOutputFile(app,
                                           {"Select an output Puzzle file", "*.xls", "Excel Files",
                                            "Select an Excel file", "SAVE", ""},
                                           "xls");
    if (file.empty()) return;
    app.host.BusyPointer(true);
    const bool written = WritePuzzleSheet(app.grid, file);
    app.host.BusyPointer(false);
    TellWritten(app, written, file, "Current Puzzle saved in file:");
}

bool ImportPuzzleFileCommand(App& app) {
    if (RefuseGridCommand(app)) return false;
    const std::string file = AskForFile(
        app,
        {"Select a Puzzle file to import", "*.txt", "Text Files", "Select a text file", "OPEN", ""},
        "txt");
    if (file.empty()) return false;
    const std::optional<ClueGrid> clues = ReadTextFile(file, app.grid);
    if (!clues) {
        Tell(app, "Error importing file:" + kCrLfText + file, Icon::Critical);
        return false;
    }
    const std::string companion = CompanionFile(file);
    if (!WritePuzzleRecord(ImportedPuzzle(*clues), companion, WriteMode::Append)) {
        ReportFileTrouble(app.host, FileTrouble::NotWritten, companion);
        return false;
    }
    const PuzzlePlace before = app.place;
    app.place.count = CountLines(companion);
    if (!LoadPuzzleOntoBoard(app, companion, app.place.count)) {
        app.place = before;
        ReportFileTrouble(app.host, FileTrouble::NotRead, companion);
        return false;
    }
    Tell(app,
         "Imported puzzle file:" + kCrLfText + file + kCrLfText + "saved as:" + kCrLfText +
             companion,
         Icon::Save);
    return true;
}

bool PastePuzzleCommand(App& app) {
    if (RefuseGridCommand(app)) return false;
    const std::string text = app.host.ClipboardText();
    const std::optional<ClueGrid> clues =
        ReadPastedPuzzle(text, app.grid.MaxRows, app.grid.MaxCols);
    if (!clues) {
        Tell(app, "Error importing from clipboard", Icon::Critical);
        return false;
    }
    const std::string scratch = app.paths.InData(kScratchPuzzleFile);
    const PuzzlePlace before = app.place;
    app.place.count = 1;
    if (!WritePuzzleRecord(ImportedPuzzle(*clues), scratch, WriteMode::Replace) ||
        !LoadPuzzleOntoBoard(app, scratch, 1)) {
        app.place = before;
        ReportFileTrouble(app.host, FileTrouble::NotWritten, scratch);
        return false;
    }
    app.host.Status("Imported puzzle from clipboard");
    return true;
}

void CopyToClipboardCommand(App& app, ClipboardCopy what) {
    if (RefuseExport(app)) return;
    const ClueGrid clues = CluesOf(app.grid);
    if (what == ClipboardCopy::GameId) {
        app.host.SetClipboard({GameId(clues), std::nullopt});
        app.host.Status("Game ID copied to clipboard");
        return;
    }
    std::string text;
    for (const std::string& line : PlainTextLines(clues)) text += line + kCrLfText;
    const PictureOf picture =
        what == ClipboardCopy::Puzzle ? PictureOf::Puzzle : PictureOf::Solution;
    const std::string header =
        PuzzleHeader(what == ClipboardCopy::Puzzle ? "Puz#" : "Sol#", app.grid, app.place);
    const Settings& settings = app.settings;
    const PaperStyle style{settings.FontName, settings.CornerChar, settings.RectangleCorner != 0,
                           settings.PrintGrid != 0, settings.PrintLineWidth};
    // The host measures and draws on a canvas of its own: from a copy of the puzzle, which stays
    // as it is now whenever that happens.
    const auto grid = std::make_shared<const Grid>(app.grid);
    Drawing drawing{[grid, header, style](Canvas& measuring) {
                        return PuzzlePictureSize(*grid, header, measuring, style);
                    },
                    [grid, header, style, picture](Canvas& canvas) {
                        DrawPuzzlePicture(canvas, *grid, header, style, picture);
                    }};
    app.host.SetClipboard({text, drawing});
    app.host.Status(what == ClipboardCopy::Puzzle ? "Puzzle copied to clipboard"
                                                  : "Solution copied to clipboard");
}

}  // namespace ringlace
