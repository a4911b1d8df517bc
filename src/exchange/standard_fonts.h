// The fonts every PDF reader has without embedding: Helvetica and Courier, plain and bold, with
// their character widths, so text can be measured and placed without any font files.
#pragma once

#include <string>

#include "seams/canvas.h"

namespace ringlace {

enum class StandardFont { Helvetica, HelveticaBold, Courier, CourierBold };

inline constexpr int kStandardFontCount = 4;

// The font that stands in for a named one: Courier for monospaced names, Helvetica for the rest
// (Arial, the program's default, has Helvetica's widths).
StandardFont StandardFontFor(const CanvasFont& font);

// The name a PDF file gives the font, such as "Helvetica-Bold".
const char* StandardFontName(StandardFont font);

// Text in the one-byte encoding the standard fonts use (Windows Latin 1): UTF-8 characters from
// U+00A0 to U+00FF keep their Latin-1 byte, ASCII stays, anything else becomes '?'.
std::string ToWinAnsi(const std::string& utf8);

// The width of WinAnsi text in thousandths of the font size.
int TextWidthPerMille(StandardFont font, const std::string& winAnsi);

// Where text sits in a line, in thousandths of the font size: the baseline below the line's top,
// and the line's height (the metrics of Arial, so pages measure as the window's printer does).
inline constexpr int kAscentPerMille = 905;
inline constexpr int kLineHeightPerMille = 1117;

}  // namespace ringlace
