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
        {"integer, locked, font 3, right, left and bottom borders, shaded",
         [](ExcelSheet& s) {
             s.IntegerCell(1, 1, 0x1234,
                           {CellProtection::Locked, 3, CellAlignment::Right,
                            static_cast<std::uint8_t>(kBorderLeft | kBorderBottom | kShaded)});
         },
         HexBytes("02 00 09 00  00 00 00 00  40 C0 CB  34 12")},
        {"integer, hidden, font 1, fill, right and top borders, largest value",
         [](ExcelSheet& s) {
             s.IntegerCell(2, 3, 65535,
                           {CellProtection::Hidden, 1, CellAlignment::Fill,
                            static_cast<std::uint8_t>(kBorderRight | kBorderTop)});
         },
         HexBytes("02 00 09 00  01 00 02 00  80 40 34  FF FF")},
        {"integer past row and column 32768",
         [](ExcelSheet& s) { s.IntegerCell(40000, 32769, 1, {}); },
         HexBytes("02 00 09 00  3F 9C 00 80  00 00 00  01 00")},
        {"number", [](ExcelSheet& s) { s.NumberCell(1, 1, 1.5, {}); },
         HexBytes("03 00 0F 00  00 00 00 00  00 00 00  00 00 00 00 00 00 F8 3F")},
        {"negative number, centred",
         [](ExcelSheet& s) { s.NumberCell(4, 5, -2.25, {.alignment = CellAlignment::Centre}); },
         HexBytes("03 00 0F 00  03 00 04 00  00 00 02  00 00 00 00 00 00 02 C0")},
        {"empty text", [](ExcelSheet& s) { s.TextCell(1, 1, "", {}); },
         HexBytes("04 00 08 00  00 00 00 00  00 00 00  00")},
        {"Latin-1 text byte for byte", [](ExcelSheet& s) { s.TextCell(1, 1, "caf\xE9", {}); },
         HexBytes("04 00 0C 00  00 00 00 00  00 00 00  04 63 61 66 E9")},
        {"text cut to 255 bytes", [&](ExcelSheet& s) { s.TextCell(1, 1, longText, {}); },
         HexBytes("04 00 07 01  00 00 00 00  00 00 00  FF") + std::string(255, 'x')},
        {"font with every style",
         [](ExcelSheet& s) { s.Font("Sans", 240, kBold | kItalic | kUnderline | kStrikeOut); },
         HexBytes("31 00 09 00  F0 00  0F 00  04 53 61 6E 73")},
        {"grid lines printed", [](ExcelSheet& s) { s.PrintGridLines(true); },
         HexBytes("2B 00 02 00  01 00")},
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
