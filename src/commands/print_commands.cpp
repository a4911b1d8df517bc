#include "commands/print_commands.h"

#include <memory>

#include "commands/app.h"
#include "commands/file_requests.h"
#include "commands/printed_pages.h"
#include "commands/run_scope.h"
#include "model/text.h"
#include "model/text_file.h"

namespace ringlace {

namespace {

const std::string kCrLfText(kCrLf);

// A page of the puzzle the shared grid holds, drawn whenever the printer asks for it.
Drawing Page(std::shared_ptr<const Grid> puzzle, const std::string& header,
             const PaperStyle& style) {
    return {[puzzle, header, style](Canvas& measuring) {
                return PrintedPageExtent(*puzzle, header, measuring, style, PageSolution::Shown);
            },
            [puzzle, header, style](Canvas& canvas) {
                DrawPrintedPage(canvas, *puzzle, header, style, PageSolution::Shown);
            }};
}

}  // namespace

PaperStyle PrintStyle(const App& app) {
    const Settings& settings = app.settings;
    return {settings.FontName, settings.CornerChar, settings.RectangleCorner != 0,
            settings.PrintGrid != 0, settings.PrintLineWidth};
}

void KeepPrintStyle(App& app, const PaperStyle& style) {
    Settings& settings = app.settings;
    settings.RectangleCorner = style.rectangleCorner ? 1 : 0;
    settings.CornerChar = style.rectangleCorner ? "" : style.cornerChar.substr(0, 1);
    settings.PrintGrid = style.printGrid ? 1 : 0;
    settings.PrintLineWidth = style.lineWidth;
}

void PrintCurrentPuzzleCommand(App& app) {
    if (RefuseWhileBusy(app)) return;
    if (app.place.number < 1) {
        app.host.Ask({"This puzzle is not complete", Icon::Critical, Buttons::Ok});
        return;
    }
    if (app.host.Ask({"Print Current Puzzle and its solution?", Icon::Print, Buttons::YesNo}) !=
        Answer::Yes)
        return;
    const auto puzzle = std::make_shared<const Grid>(app.grid);
    if (app.host.Print({Page(puzzle, PrintedPageHeader(app.grid, app.place), PrintStyle(app))}))
        app.host.Ask({"Printed", Icon::Print, Buttons::Ok});
}

std::optional<Message> CheckPrintRange(const PrintRange& range) {
    const int count = CountLines(range.file);
    if (count == 0)
        return Message{"No puzzles in this file: " + range.file, Icon::Critical, Buttons::Ok};
    if (range.first < 1 || range.last > count || range.last < range.first)
        return Message{"Invalid from or to puzzle number", Icon::Critical, Buttons::Ok};
    return std::nullopt;
}

void PrintRangeCommand(App& app, const PrintRange& range) {
    if (RefuseWhileBusy(app)) return;
    KeepPrintStyle(app, range.style);
    const PaperStyle style = PrintStyle(app);
    app.host.BusyPointer(true);
    const PrintedRange printed = ReadPrintedRange(range.file, range.first, range.last);
    std::vector<Drawing> pages;
    for (const PrintedPuzzle& puzzle : printed.puzzles)
        pages.push_back(PrintedPuzzlePage(puzzle, style, PageSolution::Shown));
    app.host.BusyPointer(false);
    if (pages.empty()) {
        ReportFileTrouble(app.host, FileTrouble::NotRead, range.file);
        return;
    }
    if (!app.host.Print(pages)) return;
    std::string said = "Printed";
    if (printed.skipped > 0)
        said +=
            kCrLfText + NumText(printed.skipped) + " puzzles could not be read and were left out";
    app.host.Ask({said, Icon::Print, Buttons::Ok});
}

}  // namespace ringlace
