#include "cli/json_line.h"

#include <gtest/gtest.h>

namespace ringlace::cli {
namespace {

// Whatever bytes a puzzle file holds, each output line must stay one valid line of JSON.
TEST(JsonLineTest, StringsAreEscapedSoTheLineStaysValidJson) {
    EXPECT_EQ(JsonString(" az~"), R"(" az~")");
    EXPECT_EQ(JsonString("a\"b\\c"), R"("a\"b\\c")");
    EXPECT_EQ(JsonString("\n\r\t"), R"("\n\r\t")");
    EXPECT_EQ(JsonString(std::string("\x00\x01\x1f\x7f", 4)), R"("\u0000\u0001\u001f\u007f")");
    // Records are ASCII: a byte above it stands for its Latin-1 code point.
    EXPECT_EQ(JsonString("caf\xc3\xa9"), R"("caf\u00c3\u00a9")");
    // Keys and list entries go through the same escaping.
    EXPECT_EQ(JsonLine().Add("a\"", std::vector<std::string>{"\x01", "\\"}).Text(),
              R"({"a\"": ["\u0001", "\\"]})");
}

}  // namespace
}  // namespace ringlace::cli
