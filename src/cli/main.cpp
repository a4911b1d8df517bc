// ringlace-cli: the program's capabilities for scripts, batch jobs and benchmarks.
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "commands/app.h"

namespace {

constexpr const char* kUsage =
    "Usage: ringlace-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  info FILE [N]   load record N (default 1) of a puzzle file and print what it holds\n"
    "                  as one line of JSON\n"
    "  solve [--no-chains] [--register] FILE [N | FIRST-LAST | all]\n"
    "                  solve each record (all by default) as the Autosolve button does, without\n"
    "                  questions, and print one line of JSON per record. --no-chains stops\n"
    "                  before the complete search; --register appends each solved puzzle to\n"
    "                  solutionregister.txt. Ctrl+C cancels the running solve.\n"
    "                  Exit status 0 only when every record was solved\n"
    "  count FILE [N | FIRST-LAST | all]\n"
    "                  count the loops the clues of each record admit (0, 1, or 2 for two or\n"
    "                  more), one line of JSON per record, every record by default; exit\n"
    "                  status 0 only when every record has exactly one solution\n"
    "  create --size RxC|random --level easy|medium|hard|03only [--count N] [--out FILE]\n"
    "         [--seed S] [--pattern FILE[:N]]\n"
    "                  create N puzzles (default 1) as the single-puzzle command does (grids of\n"
    "                  10 x 10 and more are composed of four quadrants) and write each as a\n"
    "                  record with its solution, appended to FILE or to standard output. One\n"
    "                  line of JSON per puzzle goes to standard error. Puzzle n is made from seed\n"
    "                  S+n-1 (S from the clock by default), so --seed S+n-1 alone makes it again.\n"
    "                  Ctrl+C cancels; exit status 0 only when every puzzle was made.\n"
    "                  --pattern puts the clues exactly on the \"#\" cells of line N (default\n"
    "                  1) of a pattern file, whose size it takes\n"
    "  create --jumbo RxC --out FILE.xls [--seed S]\n"
    "                  create one Hard puzzle of 17 to 50 rows and columns and write it with\n"
    "                  its solution as a spreadsheet file\n"
    "  shuffle FILE --out PATH [--seed S]\n"
    "                  write the lines of FILE to PATH in random order, dropping empty lines\n"
    "                  and every line that repeats an earlier one (letter case aside)\n"
    "  list FILE       print one line of JSON per record of a puzzle file: its number, size,\n"
    "                  code, share of open cells, whether it holds a solution, and whether it\n"
    "                  loads (\"valid\"); exit status 0 only when every record loads\n"
    "  delete FILE N   take record N out of a puzzle file (written beside it, then renamed over\n"
    "                  it, so a failure leaves the file as it was) and print the record's number\n"
    "                  and the count left as one line of JSON\n"
    "  export --format art|art-solution|plain|xls|id FILE N --out PATH\n"
    "                  write record N as the boxed text picture of the puzzle or of its stored\n"
    "                  solution, the plain text grid, the spreadsheet file or the game ID;\n"
    "                  --out - writes a text format to standard output (the JSON line then goes\n"
    "                  to standard error)\n"
    "  import FILE|- [--out PATH]\n"
    "                  read a text grid or a game ID (as Paste Puzzle does) from FILE or\n"
    "                  standard input and append it as a record to PATH, or print the record\n"
    "  print FILE [N | FIRST-LAST | all] --pdf OUT.pdf [--solutions inline|end|none]\n"
    "        [--paper letter|a4]\n"
    "                  write a PDF puzzle book, one page a puzzle (all by default) as the\n"
    "                  window prints it: each solution on its puzzle's page (inline, the\n"
    "                  default), gathered on sheets at the end, or left out; letter paper by\n"
    "                  default. Exit status 0 only when every record was printed\n"
    "  hint FILE [N] [--apply K [--out PATH]]\n"
    "                  the Hint button's answer for record N (default 1), a puzzle or a saved\n"
    "                  game, as one line of JSON: a mistake among the entries, or the next step\n"
    "                  with its stage and rule, or why there is none. --apply K applies up to K\n"
    "                  steps one after another, printing each, then the hint for the position\n"
    "                  reached; --out appends that position to PATH as a saved game. Exit\n"
    "                  status 0 when a mistake or a step was shown\n"
    "  --help          show this text\n"
    "  --version       show the program's version\n"
    "\n"
    "Exit status: 0 success, 1 a puzzle could not be handled, 2 a usage error.\n";

}  // namespace

namespace ringlace::cli {

int UsageError(const std::string& message) {
    std::cerr << "ringlace-cli: " << message << "\n"
              << "Try 'ringlace-cli --help'.\n";
    return kExitUsage;
}

}  // namespace ringlace::cli

int main(int argc, char** argv) {
    using namespace ringlace::cli;
    if (argc < 2) return UsageError("a command is missing");
    const std::string command = argv[1];
    const Arguments args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return kExitOk;
    }
    if (command == "--version") {
        std::cout << "ringlace-cli " << ringlace::kProgramVersion << '\n';
        return kExitOk;
    }
    if (command == "info") return InfoCommand(args);
    if (command == "solve") return SolveCommand(args);
    if (command == "count") return CountCommand(args);
    if (command == "create") return CreateCommand(args);
    if (command == "list") return ListCommand(args);
    if (command == "delete") return DeleteCommand(args);
    if (command == "export") return ExportCommand(args);
    if (command == "import") return ImportCommand(args);
    if (command == "print") return PrintCommand(args);
    if (command == "shuffle") return ShuffleCommand(args);
    if (command == "hint") return HintCommand(args);
    return UsageError("unknown command \"" + command + "\"");
}
