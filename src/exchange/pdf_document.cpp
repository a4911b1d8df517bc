#include "exchange/pdf_document.h"

#include "exchange/standard_fonts.h"

namespace ringlace {

namespace {

// Object numbers: the catalogue, the page tree, the fonts, then a page and its content each.
constexpr int kCatalogue = 1;
constexpr int kPageTree = 2;
constexpr int kFirstFont = 3;
constexpr int kFirstPage = kFirstFont + kStandardFontCount;

int PageObject(int page) {
    return kFirstPage + 2 * page;
}

std::string Ref(int object) {
    return std::to_string(object) + " 0 R";
}

std::string Points(int twips) {
    return PdfNumber(double(twips) / kTwipsPerPoint);
}

// Writes numbered objects and remembers where each starts, for the cross-reference table.
class ObjectWriter {
public:
    explicit ObjectWriter(std::string& out) : out_(out) {}
    void Add(int number, const std::string& body) {
        if (offsets_.size() < static_cast<std::size_t>(number)) offsets_.resize(number);
        offsets_[number - 1] = out_.size();
        out_ += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }
    void Finish() {
        const std::size_t table = out_.size();
        out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        for (const std::size_t offset : offsets_) {
            const std::string digits = std::to_string(offset);
            out_ += std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
        }
        out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " +
                Ref(kCatalogue) + " >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    }

private:
    std::string& out_;
    std::vector<std::size_t> offsets_;
};

}  // namespace

PdfDocument::PdfDocument(PictureSize paper)
    : paper_(paper), measuring_(paper, {kPaperMargin, kPaperMargin}, 1.0) {}

PictureSize PdfDocument::PrintableArea() const {
    return {paper_.width - 2 * kPaperMargin, paper_.height - 2 * kPaperMargin};
}

void PdfDocument::AddPage(const Drawing& page) {
    const double scale = ScaleToFit(page.measure(measuring_), PrintableArea());
    PdfCanvas canvas(paper_, {kPaperMargin, kPaperMargin}, scale);
    page.draw(canvas);
    contents_.push_back(canvas.Content());
}

std::string PdfDocument::Bytes() const {
    // The second line's high bytes tell file tools that the file holds binary data.
    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    ObjectWriter objects(out);
    objects.Add(kCatalogue, "<< /Type /Catalog /Pages " + Ref(kPageTree) + " >>");
    std::string kids;
    for (int page = 0; page < PageCount(); ++page) kids += Ref(PageObject(page)) + " ";
    objects.Add(kPageTree, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                               std::to_string(PageCount()) + " >>");
    std::string fonts;
    for (int font = 0; font < kStandardFontCount; ++font) {
        objects.Add(kFirstFont + font, std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") +
                                           StandardFontName(static_cast<StandardFont>(font)) +
                                           " /Encoding /WinAnsiEncoding >>");
        fonts += "/F" + std::to_string(font) + " " + Ref(kFirstFont + font) + " ";
    }
    const std::string mediaBox = "[0 0 " + Points(paper_.width) + " " + Points(paper_.height) + "]";
    for (int page = 0; page < PageCount(); ++page) {
        const std::string& content = contents_[page];
        objects.Add(PageObject(page), "<< /Type /Page /Parent " + Ref(kPageTree) + " /MediaBox " +
                                          mediaBox + " /Resources << /Font << " + fonts +
                                          ">> >> /Contents " + Ref(PageObject(page) + 1) + " >>");
        objects.Add(PageObject(page) + 1, "<< /Length " + std::to_string(content.size()) +
                                              " >>\nstream\n" + content + "endstream");
    }
    objects.Finish();
    return out;
}

}  // namespace ringlace
