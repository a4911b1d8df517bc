#include "exchange/excel_file.h"

#include <algorithm>
#include <bit>

#include "model/text_file.h"

namespace ringlace {

namespace {

constexpr std::uint16_t kBeginFile = 9;
constexpr std::uint16_t kEndFile = 10;
constexpr std::uint16_t kIntegerCell = 2;
constexpr std::uint16_t kTextCell = 4;
constexpr std::uint16_t kColumnWidth = 36;
constexpr std::uint16_t kPrintGridLines = 43;
constexpr std::uint16_t kFont = 49;

constexpr std::uint16_t kVersion = 2;
constexpr std::uint16_t kWorksheet = 0x10;
constexpr std::size_t kLongestText = 255;

void Put8(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
}

// Rows and columns past 32767 land where a reader taking the field as unsigned expects them.
void Put16(std::string& out, unsigned value) {
    Put8(out, value);
    Put8(out, value >> 8);
}

void PutDouble(std::string& out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int shift = 0; shift < 64; shift += 8) Put8(out, static_cast<unsigned>(bits >> shift));
}

// A name or text behind its one-byte length.
void PutShortText(std::string& out, std::string_view text) {
    const std::string_view kept = text.substr(0, std::min(text.size(), kLongestText));
    Put8(out, static_cast<unsigned>(kept.size()));
    out += kept;
}

}  // namespace

ExcelSheet::ExcelSheet() {
    std::string data;
    Put16(data, kVersion);
    Put16(data, kWorksheet);
    Record(kBeginFile, data);
}

void ExcelSheet::Record(std::uint16_t number, std::string_view data) {
    Put16(bytes_, number);
    Put16(bytes_, static_cast<unsigned>(data.size()));
    bytes_ += data;
}

void ExcelSheet::CellRecord(std::uint16_t number, int row, int col, const CellFormat& format,
                            std::string_view value) {
    std::string data;
    Put16(data, static_cast<unsigned>(row - 1));
    Put16(data, static_cast<unsigned>(col - 1));
    Put8(data, 0);  // not locked, not hidden
    Put8(data, static_cast<unsigned>(format.font) * 64);
    Put8(data, static_cast<unsigned>(format.alignment) + format.borders);
    data += value;
    Record(number, data);
}

void ExcelSheet::IntegerCell(int row, int col, std::uint16_t value, const CellFormat& format) {
    std::string data;
    Put16(data, value);
    CellRecord(kIntegerCell, row, col, format, data);
}

void ExcelSheet::TextCell(int row, int col, std::string_view text, const CellFormat& format) {
    std::string data;
    PutShortText(data, text);
    CellRecord(kTextCell, row, col, format, data);
}

void ExcelSheet::Margin(PageMargin side, double inches) {
    std::string data;
    PutDouble(data, inches);
    Record(static_cast<std::uint16_t>(side), data);
}

void ExcelSheet::ColumnWidth(int firstCol, int lastCol, std::uint16_t width) {
    std::string data;
    Put8(data, static_cast<unsigned>(firstCol - 1));
    Put8(data, static_cast<unsigned>(lastCol - 1));
    Put16(data, width);
    Record(kColumnWidth, data);
}

void ExcelSheet::Font(std::string_view name, std::uint16_t height, std::uint8_t style) {
    std::string data;
    Put16(data, height);
    Put16(data, style);
    PutShortText(data, name);
    Record(kFont, data);
}

void ExcelSheet::HidePrintedGridLines() {
    std::string data;
    Put16(data, 0);
    Record(kPrintGridLines, data);
}

std::string ExcelSheet::Bytes() const {
    std::string all = bytes_;
    Put16(all, kEndFile);
    Put16(all, 0);
    return all;
}

bool ExcelSheet::Save(const std::string& fileName) const {
    return WriteFileAtomically(fileName, Bytes());
}

}  // namespace ringlace
