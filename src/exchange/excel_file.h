// The spreadsheet file: an Excel 2.x binary worksheet, the one spreadsheet form that every
// spreadsheet program still opens and that takes a page of code to write. The file is a run of
// records, each a 16-bit record number, the 16-bit length of its data and the data, little-endian.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ringlace {

enum class CellAlignment : std::uint8_t { General = 0, Left = 1, Centre = 2 };

// Lines around a cell, added to its alignment.
inline constexpr std::uint8_t kBorderLeft = 8;
inline constexpr std::uint8_t kBorderRight = 16;
inline constexpr std::uint8_t kBorderTop = 32;
inline constexpr std::uint8_t kBorderBottom = 64;

// How a cell looks; no cell is locked or hidden.
struct CellFormat {
    int font = 0;  // 0..3, the order of the fonts in the file
    CellAlignment alignment = CellAlignment::General;
    std::uint8_t borders = 0;  // kBorder...
};

// The one font style the sheets use; 0 is plain.
inline constexpr std::uint8_t kBold = 1;

// The values are the record numbers.
enum class PageMargin : std::uint16_t { Left = 38, Right = 39, Top = 40, Bottom = 41 };

// One worksheet built in memory and written whole. Rows and columns count from 1.
class ExcelSheet {
public:
    ExcelSheet();

    void IntegerCell(int row, int col, std::uint16_t value, const CellFormat& format);
    // One byte per character in the reader's code page; more than 255 bytes are cut off.
    void TextCell(int row, int col, std::string_view text, const CellFormat& format);

    void Margin(PageMargin side, double inches);
    // Columns first..last (1..256), width in 1/256 of a character.
    void ColumnWidth(int firstCol, int lastCol, std::uint16_t width);
    // Height in twentieths of a point; the fonts are numbered 0, 1, ... in the order they are
    // added.
    void Font(std::string_view name, std::uint16_t height, std::uint8_t style);
    // Leaves the grid lines off the printed page.
    void HidePrintedGridLines();

    // The whole file: the records so far and the end of file.
    std::string Bytes() const;
    // Writes Bytes() beside the file and renames it over it; false leaves any old file as it was.
    bool Save(const std::string& fileName) const;

private:
    void Record(std::uint16_t number, std::string_view data);
    void CellRecord(std::uint16_t number, int row, int col, const CellFormat& format,
                    std::string_view value);

    std::string bytes_;
};

}  // namespace ringlace
