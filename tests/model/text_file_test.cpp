#include "model/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/text.h"
#include "support/full_disk.h"
#include "support/temp_folder.h"

namespace ringlace {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(TextFileTest, CountLinesAndReadLineAt) {
    TempFolder folder;
    const std::string file = folder.File("lines.txt");
    const std::pair<std::string, int> cases[] = {
        {"", 0},     {"a", 1},        {"a\r\n", 1},  {"a\r\nb", 2}, {"a\r\nb\r\n", 2},
        {"\r\n", 1}, {"\r\n\r\n", 2}, {"a\nb\n", 2}, {"a\rb\r", 2}, {"a\r\r\nb", 3}};
    for (const auto& [bytes, lines] : cases) {
        WriteBytes(file, bytes);
        EXPECT_EQ(CountLines(file), lines) << bytes;
    }
    EXPECT_EQ(CountLines(folder.File("missing.txt")), 0);
    EXPECT_EQ(CountLines(folder.Path()), 0);
    // ReadLineAt keeps only what is asked for.
    WriteBytes(file, "first\r\n" + std::string(100000, 'x') + "\r\nthird");
    EXPECT_EQ(ReadLineAt(file, 1), "first");
    EXPECT_EQ(ReadLineAt(file, 2, 10), std::string(10, 'x'));
    EXPECT_EQ(ReadLineAt(file, 4), std::nullopt);
    EXPECT_EQ(ReadLineAt(file, 0), std::nullopt);
}

// A full disk takes an appended line in part or not at all: the file goes back to what it was, and
// a file the append would have made is not left behind empty. A folder or a device in the file's
// place is not written to.
TEST(TextFileTest, AFailedAppendLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::string file = folder.File("register.txt");
    WriteBytes(file, "0101EA1A\r\n");
    {
        test::FullDisk full(12);
        EXPECT_FALSE(AppendLine(file, "0202HA2  2BHFL"));
        EXPECT_FALSE(AppendLine(folder.File("new.txt"), "0202HA2  2BHFL"));
    }
    EXPECT_EQ(ReadBytes(file), "0101EA1A\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("new.txt")));

    std::filesystem::create_directory(folder.File("taken"));
    EXPECT_FALSE(AppendLine(folder.File("taken"), "0101EA2K"));
    std::filesystem::create_symlink("/dev/full", folder.File("full.txt"));
    EXPECT_FALSE(AppendLine(folder.File("full.txt"), "0101EA2K"));
    ASSERT_TRUE(AppendLine(file, "0101EA2K"));
    EXPECT_EQ(ReadBytes(file), "0101EA1A\r\n0101EA2K\r\n");
}

TEST(TextFileTest, FileNamesExtensionsAndAtomicWrites) {
    TempFolder folder;
    EXPECT_FALSE(FileExists(folder.Path()));  // a folder is no file
    EXPECT_EQ(AddExtension("puzzles.rlc", "txt"), "puzzles.rlc");
    // Only the file's own name decides: a dot in a folder name is not an extension.
    EXPECT_EQ(AddExtension("/home/ann.lee/puzzles", "txt"), "/home/ann.lee/puzzles.txt");
    EXPECT_EQ(FileNamePart("c.txt"), "c.txt");

    // Atomic writes leave no temporary file behind.
    const std::string file = folder.File("out.txt");
    WriteBytes(file, "old");
    ASSERT_TRUE(WriteFileAtomically(file, "new\r\n"));
    EXPECT_EQ(ReadBytes(file), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
    EXPECT_FALSE(WriteFileAtomically(folder.File("missing/out.txt"), "x"));
    // A folder in the way: the write fails and the folder is untouched.
    std::filesystem::create_directory(folder.File("taken"));
    EXPECT_FALSE(WriteFileAtomically(folder.File("taken"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("taken")));
}

TEST(TextTest, NumericValueReadsTheLeadingNumber) {
    for (const auto& [text, value] : {std::pair{" 7x", 7}, {"-12", -12}, {"+3", 3}, {"ab", 0}})
        EXPECT_EQ(NumericValue(text), value) << text;
    EXPECT_GT(NumericValue("99999999999999999999999"), 0);  // no overflow
}

}  // namespace
}  // namespace ringlace
