#include "exchange/pdf_document.h"

#include <gtest/gtest.h>

#include "exchange/standard_fonts.h"
#include "model/grid.h"

namespace ringlace {
namespace {

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(StandardFontsTest, FacesEncodingAndWidths) {
    EXPECT_EQ(StandardFontFor({"Arial", 12, false}), StandardFont::Helvetica);
    EXPECT_EQ(StandardFontFor({"Arial", 12, true}), StandardFont::HelveticaBold);
    EXPECT_EQ(StandardFontFor({"Courier New", 12, false}), StandardFont::Courier);
    EXPECT_EQ(StandardFontFor({"DejaVu Sans Mono", 12, true}), StandardFont::CourierBold);

    // Latin-1 letters keep their byte; what the standard fonts cannot show becomes '?', and a
    // sequence cut short does not read past the text's end.
    EXPECT_EQ(ToWinAnsi("Puz# 1"), "Puz# 1");
    EXPECT_EQ(ToWinAnsi("caf\xC3\xA9"), "caf\xE9");
    EXPECT_EQ(ToWinAnsi("\xE2\x82\xAC\xF0\x9F\x98\x80x"), "??x");
    EXPECT_EQ(ToWinAnsi("a\xE2\x82"), "a?");

    EXPECT_EQ(TextWidthPerMille(StandardFont::Helvetica, "0123456789"), 5560);
    EXPECT_EQ(TextWidthPerMille(StandardFont::Helvetica, "Wi"), 944 + 222);
    EXPECT_EQ(TextWidthPerMille(StandardFont::HelveticaBold, "Wi"), 944 + 278);
    EXPECT_EQ(TextWidthPerMille(StandardFont::Courier, "Wi."), 1800);
}

TEST(PdfCanvasTest, TwipsBecomePointsFromTheTopLeftCorner) {
    // A letter page with its origin a quarter inch in from the corner, drawn at half size.
    PdfCanvas canvas(kLetterPaper, {360, 360}, 0.5);
    canvas.Line(0, 0, 400, 0, 0, 2, LineStyle::Solid);
    canvas.Line(0, 40, 400, 40, 0, 2, LineStyle::Solid);
    canvas.Rect(400, 800, 0, 0, Rgb(192, 192, 192), 1);
    canvas.Text(0, 0, "a (b) \\", {"Arial", 12, false}, 0);
    const std::string& content = canvas.Content();
    EXPECT_NE(content.find("18 774 m 28 774 l S"), std::string::npos) << content;
    EXPECT_EQ(Occurrences(content, " RG "), 2) << "a like stroke is not set again";
    EXPECT_NE(content.find("0 0 0 RG 0.75 w [] 0 d"), std::string::npos) << content;
    EXPECT_NE(content.find("0.75 0.75 0.75 RG 0.38 w"), std::string::npos) << content;
    EXPECT_NE(content.find("18 754 10 20 re S"), std::string::npos) << content;
    // 6-point text with its baseline 0.905 of the size below the top, brackets escaped.
    EXPECT_NE(content.find("BT /F0 6 Tf 18 768.57 Td (a \\(b\\) \\\\) Tj ET"), std::string::npos)
        << content;

    // Measured at the drawing's own size, whatever the page's scale.
    const TextSize size = canvas.MeasureText("00", {"Arial", 10, false});
    EXPECT_EQ(size.width, 222);
    EXPECT_EQ(size.height, 223);
}

Drawing Box(PictureSize size) {
    return {[size](Canvas&) { return size; },
            [size](Canvas& canvas) { canvas.Rect(0, 0, size.width, size.height, 0, 1); }};
}

TEST(PdfDocumentTest, PagesObjectsAndTheCrossReferenceTable) {
    PdfDocument book(kA4Paper);
    EXPECT_EQ(book.PrintableArea().width, 11906 - 720);
    book.AddPage(Box({1000, 1000}));
    // Twice as tall as the area: drawn at half size, so it ends at the area's bottom.
    book.AddPage(Box({2000, 2 * book.PrintableArea().height}));
    EXPECT_EQ(book.PageCount(), 2);
    const std::string bytes = book.Bytes();
    ASSERT_EQ(bytes.rfind("%PDF-1.4\n", 0), 0u);
    EXPECT_EQ(Occurrences(bytes, "/Type /Page "), 2);
    EXPECT_EQ(Occurrences(bytes, "/MediaBox [0 0 595.3 841.9]"), 2);
    EXPECT_NE(bytes.find("18 18 50 805.9 re S"), std::string::npos);
    EXPECT_NE(bytes.find("/BaseFont /Courier-Bold"), std::string::npos);

    // Every entry of the cross-reference table points at the start of its object.
    const std::size_t table = std::stoul(bytes.substr(bytes.rfind("startxref\n") + 10));
    ASSERT_EQ(bytes.compare(table, 5, "xref\n"), 0);
    // Entries are 20 bytes each ("0000000123 00000 n \n") after the table's two header lines.
    std::size_t at = bytes.find("0000000000 65535 f \n", table) + 20;
    int object = 0;
    for (; bytes.compare(at + 10, 10, " 00000 n \n") == 0; at += 20) {
        const std::size_t offset = std::stoul(bytes.substr(at, 10));
        EXPECT_EQ(bytes.substr(offset, bytes.find('\n', offset) - offset),
                  std::to_string(++object) + " 0 obj");
    }
    EXPECT_EQ(object, 1 + 1 + kStandardFontCount + 2 * 2);
}

}  // namespace
}  // namespace ringlace
