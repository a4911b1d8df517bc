#include "exchange/excel_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/hex_bytes.h"

namespace ringlace {
namespace {

using test::HexBytes;

constexpr std::size_t kBeginLength = 8;
constexpr std::size_t kEndLength = 4;

struct RecordCase {
    const char* what;
    std::function<void(ExcelSheet&)> write;
    std::string expected;
};

TEST(ExcelFileTest, EveryRecordAsWrittenOutByHand) {
    const std::string longText(300, 'x');
    const std::vector<RecordCase> cases{
        {"integer, plain format", [](ExcelSheet& s) { s.IntegerCell(3, 2, 7, {}); },
         HexBytes("02 00 09 00  02 00 01 00  00 00 00  07 00")},
        {"integer, font 1, centred, left and bottom borders",
         [](ExcelSheet& s) {
             s.IntegerCell(1, 1, 0x1234,
                           {1, CellAlignment::Centre,
                            static_cast<std::uint8_t>(kBorderLeft | kBorderBottom)});
         },
         HexBytes("02 00 09 00  00 00 00 00  00 40 4A  34 12")},
        {"integer, left-aligned, right and top borders, largest value",
         [](ExcelSheet& s) {
             s.IntegerCell(
                 2, 3, 65535,
                 {0, CellAlignment::Left, static_cast<std::uint8_t>(kBorderRight | kBorderTop)});
         },
         HexBytes("02 00 09 00  01 00 02 00  00 00 31  FF FF")},
        {"integer past row and column 32768",
         [](ExcelSheet& s) { s.IntegerCell(40000, 32769, 1, {}); },
         HexBytes("02 00 09 00  3F 9C 00 80  00 00 00  01 00")},
        {"empty text", [](ExcelSheet& s) { s.TextCell(1, 1, "", {}); },
         HexBytes("04 00 08 00  00 00 00 00  00 00 00  00")},
        {"Latin-1 text byte for byte", [](ExcelSheet& s) { s.TextCell(1, 1, "caf\xE9", {}); },
         HexBytes("04 00 0C 00  00 00 00 00  00 00 00  04 63 61 66 E9")},
        {"text cut to 255 bytes", [&](ExcelSheet& s) { s.TextCell(1, 1, longText, {}); },
         HexBytes("04 00 07 01  00 00 00 00  00 00 00  FF") + std::string(255, 'x')},
    };
    for (const RecordCase& recordCase : cases) {
        SCOPED_TRACE(recordCase.what);
        ExcelSheet sheet;
        recordCase.write(sheet);
        const std::string bytes = sheet.Bytes();
        ASSERT_EQ(bytes.size(), kBeginLength + recordCase.expected.size() + kEndLength);
        EXPECT_EQ(bytes.substr(kBeginLength, recordCase.expected.size()), recordCase.expected);
    }
}

}  // namespace
}  // namespace ringlace
