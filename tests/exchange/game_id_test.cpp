#include "exchange/game_id.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/puzzle_record.h"
#include "model/text_file.h"

namespace ringlace {
namespace {

const ClueGrid kExample{5, 5, {kNoClue, 3,       kNoClue, kNoClue, 0, kNoClue, kNoClue, 1, kNoClue,
                               2,       kNoClue, kNoClue, kNoClue, 2, kNoClue, 1,       2, 1,
                               kNoClue, kNoClue, 3,       kNoClue, 0, 1,       kNoClue}};

TEST(GameIdTest, RunsOfBlanksBecomeLettersAndLongRunsSplit) {
    EXPECT_EQ(GameId(kExample), "5x5t0:a3b0b1a2c2a121b3a01a");
    EXPECT_EQ(ReadGameId("  5x5t0:a3b0b1a2c2a121b3a01a\r\n", 25, 25), kExample);
    std::vector<ClueValue> cells(30, kNoClue);
    cells[29] = 2;
    const ClueGrid wide{2, 15, cells};
    EXPECT_EQ(GameId(wide), "15x2t0:zc2");
    EXPECT_EQ(ReadGameId("15x2:zc2", 25, 25), wide);  // no type is the square grid
}

TEST(GameIdTest, MalformedIdsAreRefused) {
    for (const char* id : {"5x5t0:a3b0b1a2c2a121b3a01",   // ends before the grid is full
                           "5x5t0:a3b0b1a2c2a121b3a01b",  // runs past it
                           "5x5t0:a3b0b1a2c2a121b3a04a",  // a clue of 4
                           "5x5t0:a3b0b1a2c2a121b3a0.a",  // a character of no meaning
                           "5x5t1:a3b0b1a2c2a121b3a01a",  // another grid
                           "26x1t0:z", "0x5t0:", "5x5t0", "x5t0:y", "5xt0:y", "text"})
        EXPECT_FALSE(ReadGameId(id, 25, 25)) << id;
}

// Every puzzle of the independent corpus, as its game ID and back: the same clues both ways.
TEST(GameIdTest, TheCorpusAndItsIdsAgree) {
    const std::string data = RINGLACE_TEST_DATA_DIR;
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data + "/corpus")) {
        if (entry.path().extension() != ".txt") continue;
        const std::string name = entry.path().stem().string();
        LineReader records(entry.path().string());
        LineReader ids(data + "/corpus_ids/" + name + ".ids.txt");
        std::string record;
        std::string id;
        while (records.Next(record)) {
            ASSERT_TRUE(ids.Next(id)) << name;
            Grid grid;
            ASSERT_TRUE(LoadRecord(grid, record)) << name;
            EXPECT_EQ(GameId(CluesOf(grid)), id) << name;
            EXPECT_EQ(ReadGameId(id, 25, 25), CluesOf(grid)) << name;
            ++checked;
        }
        EXPECT_FALSE(ids.Next(id)) << name;
    }
    EXPECT_EQ(checked, 364);
}

}  // namespace
}  // namespace ringlace
