#include "exchange/standard_fonts.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ringlace {

namespace {

using Widths = std::array<short, 95>;  // characters 32 to 126

// From the fonts' published metrics, in thousandths of the font size.
constexpr Widths kHelvetica{
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ to O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P to _
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // ` to o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};      // p to ~

constexpr Widths kHelveticaBold{
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,  // 0 to ?
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,  // @ to O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,  // P to _
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,  // ` to o
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};      // p to ~

constexpr int kCourierWidth = 600;

// Accented letters outside ASCII are measured as a lower-case letter of average width.
constexpr int kOtherWidth = 556;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

StandardFont StandardFontFor(const CanvasFont& font) {
    const std::string name = Lower(font.name);
    const bool mono = name.find("courier") != std::string::npos ||
                      name.find("mono") != std::string::npos ||
                      name.find("fixed") != std::string::npos;
    if (mono) return font.bold ? StandardFont::CourierBold : StandardFont::Courier;
    return font.bold ? StandardFont::HelveticaBold : StandardFont::Helvetica;
}

const char* StandardFontName(StandardFont font) {
    switch (font) {
        case StandardFont::Helvetica:
            return "Helvetica";
        case StandardFont::HelveticaBold:
            return "Helvetica-Bold";
        case StandardFont::Courier:
            return "Courier";
        case StandardFont::CourierBold:
            return "Courier-Bold";
    }
    return "Helvetica";
}

std::string ToWinAnsi(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = 1;
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        if (lead < 0x80) {
            out += static_cast<char>(lead);
        } else if (length == 2 && i + 1 < utf8.size()) {
            const int code =
                ((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
            out += code >= 0xA0 && code <= 0xFF ? static_cast<char>(code) : '?';
        } else {
            out += '?';
        }
        i += std::min<std::size_t>(length, utf8.size() - i);
    }
    return out;
}

int TextWidthPerMille(StandardFont font, const std::string& winAnsi) {
    if (font == StandardFont::Courier || font == StandardFont::CourierBold)
        return kCourierWidth * static_cast<int>(winAnsi.size());
    const Widths& widths = font == StandardFont::HelveticaBold ? kHelveticaBold : kHelvetica;
    int total = 0;
    for (const char ch : winAnsi) {
        const auto c = static_cast<unsigned char>(ch);
        total += c >= 32 && c <= 126 ? widths[c - 32] : kOtherWidth;
    }
    return total;
}

}  // namespace ringlace
