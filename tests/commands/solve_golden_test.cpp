// The Autosolve button gives the answers it gave before the solver was made faster: every record
// of solve_golden.txt (made by tests/data/make_solve_golden.py from the solver as it was) is solved
// again, one test per source file. A record with one solution must end in the same stage with the
// same loop; with several, in the same stage with a loop that fits its clues; with none, in the
// same stage, unable.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

#include "commands/autosolve_command.h"
#include "model/puzzle_record.h"
#include "model/solution_letters.h"
#include "support/loop_picture.h"
#include "support/temp_folder.h"
#include "support/test_app.h"

namespace ringlace {
namespace {

const std::string kRepository = std::string(RINGLACE_DATA_DIR) + "/..";

struct GoldenAnswer {
    int record = 0;
    std::string result;
    std::string stage;
    int solutions = 0;
    std::string letters;  // "?" when the old solver took too long to show which loop it finds
};

using GoldenFile = std::vector<std::pair<std::string, std::vector<GoldenAnswer>>>;

GoldenFile ReadGolden() {
    GoldenFile sources;
    std::ifstream in(std::string(RINGLACE_TEST_DATA_DIR) + "/solve_golden.txt");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string source, record, solutions;
        GoldenAnswer answer;
        std::getline(fields, source, '\t');
        std::getline(fields, record, '\t');
        std::getline(fields, answer.result, '\t');
        std::getline(fields, answer.stage, '\t');
        std::getline(fields, solutions, '\t');
        std::getline(fields, answer.letters);
        answer.record = std::stoi(record);
        answer.solutions = std::stoi(solutions);
        if (sources.empty() || sources.back().first != source) sources.push_back({source, {}});
        sources.back().second.push_back(answer);
    }
    return sources;
}

const GoldenFile& Golden() {
    static const GoldenFile golden = ReadGolden();
    return golden;
}

// The records of a source as a puzzle file: the altered puzzles are kept with their counts, so
// their records are written out first.
std::string PuzzleFile(const std::string& source, const test::TempFolder& folder) {
    const std::string path = kRepository + "/" + source;
    if (source.find("altered_puzzles") == std::string::npos) return path;
    const std::string records = folder.Path() + "/altered.txt";
    std::ifstream in(path);
    std::ofstream out(records, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        out << line.substr(line.rfind('\t') + 1) << "\r\n";
    }
    return records;
}

// The result as the command line writes it.
AutoSolveEnd EndNamed(const std::string& result) {
    static const std::map<std::string, AutoSolveEnd> ends = {{"solved", AutoSolveEnd::Solved},
                                                             {"unable", AutoSolveEnd::Unable},
                                                             {"cancelled", AutoSolveEnd::Cancelled},
                                                             {"no clues", AutoSolveEnd::NoClues}};
    return ends.at(result);
}

class SolveGoldenTest : public testing::TestWithParam<std::size_t> {};

TEST_P(SolveGoldenTest, SameAnswersAsBefore) {
    const auto& [source, answers] = Golden()[GetParam()];
    test::TempFolder folder;
    const std::string file = PuzzleFile(source, folder);
    AutoSolveOptions options;
    options.silent = true;
    for (const GoldenAnswer& answer : answers) {
        // A board of its own for each record: the loop test reads beyond the grid's size.
        test::TestApp program;
        ASSERT_TRUE(program.Load(file, answer.record)) << answer.record;
        const AutoSolveOutcome outcome = AutoSolveCommand(program.app, options);
        const std::string where = source + " record " + std::to_string(answer.record);
        EXPECT_EQ(outcome.end, EndNamed(answer.result)) << where;
        EXPECT_EQ(outcome.stage, answer.stage) << where;
        if (outcome.end != AutoSolveEnd::Solved) continue;
        EXPECT_EQ(outcome.solutions, answer.solutions) << where;
        if (answer.solutions == 1 && answer.letters != "?")
            EXPECT_EQ(SolutionLetters(program.app.grid), answer.letters) << where;
        else
            EXPECT_TRUE(test::IsSingleLoop(program.app.grid) &&
                        test::CluesMatchLoop(program.app.grid))
                << where;
    }
}

std::string SourceName(const testing::TestParamInfo<std::size_t>& info) {
    std::string name = Golden()[info.param].first;
    name = name.substr(name.rfind('/') + 1);
    name = name.substr(0, name.rfind('.'));
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return "_" + name;
}

std::vector<std::size_t> SourceIndexes() {
    std::vector<std::size_t> indexes(Golden().size());
    for (std::size_t k = 0; k < indexes.size(); ++k) indexes[k] = k;
    return indexes;
}

INSTANTIATE_TEST_SUITE_P(Records, SolveGoldenTest, testing::ValuesIn(SourceIndexes()), SourceName);

}  // namespace
}  // namespace ringlace
