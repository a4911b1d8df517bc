// A PDF file built page by page from Drawings: vector pages in the standard fonts, nothing
// embedded, so a book of a hundred puzzles stays small.
#pragma once

#include <string>
#include <vector>

#include "exchange/pdf_canvas.h"
#include "seams/canvas.h"

namespace ringlace {

inline constexpr PictureSize kLetterPaper{12240, 15840};  // 8.5 x 11 inches
inline constexpr PictureSize kA4Paper{11906, 16838};      // 210 x 297 mm

// The edge a printer cannot reach, kept free on every page so that a page reads as printed.
inline constexpr int kPaperMargin = 360;  // a quarter inch

class PdfDocument {
public:
    explicit PdfDocument(PictureSize paper);

    // The part of the page the drawings are placed in, from its top-left corner.
    PictureSize PrintableArea() const;
    // A canvas that measures text as the pages will draw it.
    Canvas& Measuring() { return measuring_; }

    // Draws a page at the printable area's corner; a drawing that would run off it is drawn
    // smaller, its proportions kept.
    void AddPage(const Drawing& page);
    int PageCount() const { return static_cast<int>(contents_.size()); }

    // The whole file.
    std::string Bytes() const;

private:
    PictureSize paper_;
    PdfCanvas measuring_;
    std::vector<std::string> contents_;
};

}  // namespace ringlace
