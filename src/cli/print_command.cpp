// ringlace-cli print FILE [N | FIRST-LAST | all] --pdf OUT.pdf [--solutions inline|end|none]
// [--paper letter|a4]: a PDF puzzle book, one page a puzzle, drawn as the window prints them.
#include <iostream>
#include <optional>

#include "cli/commands.h"
#include "cli/json_line.h"
#include "cli/record_range.h"
#include "commands/print_commands.h"
#include "commands/printed_pages.h"
#include "exchange/pdf_document.h"
#include "model/text_file.h"

namespace ringlace::cli {

namespace {

struct PrintArguments {
    std::string file;
    std::string range = "all";
    std::string pdf;
    std::string solutions = "inline";
    std::string paper = "letter";
};

std::optional<PrintArguments> ParseArguments(const Arguments& args, std::string& error) {
    PrintArguments parsed;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg != "--pdf" && arg != "--solutions" && arg != "--paper") {
            positional.push_back(arg);
            continue;
        }
        if (i + 1 == args.size()) {
            error = arg + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        (arg == "--pdf"         ? parsed.pdf
         : arg == "--solutions" ? parsed.solutions
                                : parsed.paper) = value;
    }
    if (positional.empty() || positional.size() > 2) {
        error = "print takes FILE and an optional N, FIRST-LAST or all";
        return std::nullopt;
    }
    if (parsed.pdf.empty()) {
        error = "print needs --pdf OUT.pdf";
        return std::nullopt;
    }
    if (parsed.solutions != "inline" && parsed.solutions != "end" && parsed.solutions != "none") {
        error = "--solutions must be inline, end or none";
        return std::nullopt;
    }
    if (parsed.paper != "letter" && parsed.paper != "a4") {
        error = "--paper must be letter or a4";
        return std::nullopt;
    }
    parsed.file = positional[0];
    if (positional.size() == 2) parsed.range = positional[1];
    return parsed;
}

}  // namespace

int PrintCommand(const Arguments& args) {
    std::string error;
    const std::optional<PrintArguments> parsed = ParseArguments(args, error);
    if (!parsed) return UsageError(error);
    const std::optional<RecordRange> range =
        ParseRecordRange(parsed->range, CountLines(parsed->file));
    if (!range) return UsageError("\"" + parsed->range + "\" is not N, FIRST-LAST or all");
    JsonLine line;
    line.Add("file", parsed->file).Add("first", range->first).Add("last", range->last);
    if (const auto trouble = CheckPrintRange({parsed->file, range->first, range->last, {}})) {
        std::cout << line.Add("error", trouble->text).Text() << '\n';
        return kExitFailed;
    }
    const PaperStyle style;
    const PrintedRange printed = ReadPrintedRange(parsed->file, range->first, range->last);
    PdfDocument book(parsed->paper == "a4" ? kA4Paper : kLetterPaper);
    const PageSolution onPage =
        parsed->solutions == "inline" ? PageSolution::Shown : PageSolution::LeftOut;
    for (const PrintedPuzzle& puzzle : printed.puzzles)
        book.AddPage(PrintedPuzzlePage(puzzle, style, onPage));
    if (parsed->solutions == "end") {
        for (const Drawing& sheet : SolutionSheets(SheetSolutionsOf(printed), book.PrintableArea(),
                                                   book.Measuring(), style))
            book.AddPage(sheet);
    }
    line.Add("puzzles", static_cast<int>(printed.puzzles.size()))
        .Add("skipped", printed.skipped)
        .Add("pages", book.PageCount())
        .Add("solutions", parsed->solutions)
        .Add("out", parsed->pdf);
    if (printed.puzzles.empty()) {
        std::cout << line.Add("error", "no puzzle could be read").Text() << '\n';
        return kExitFailed;
    }
    if (!WriteFileAtomically(parsed->pdf, book.Bytes())) {
        std::cout << line.Add("error", "write failed").Text() << '\n';
        return kExitFailed;
    }
    std::cout << line.Text() << '\n';
    return printed.skipped == 0 ? kExitOk : kExitFailed;
}

}  // namespace ringlace::cli
