// Small text helpers shared by the file formats and the messages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ringlace {

// Line ends of every text file the program writes.
inline constexpr std::string_view kCrLf = "\r\n";

// The numeric value of the leading number of a text: leading blanks are skipped, then an optional
// sign and digits are read; anything else ends the number. "05" -> 5, " 7x" -> 7, "ab" -> 0.
long long NumericValue(std::string_view text);

// A number as the plain conversion writes it: a blank before a number that is not negative
// (" 25"), a minus sign otherwise ("-3").
std::string StrNumber(long long n);

std::string Trim(std::string_view text);
std::string ToLower(std::string_view text);
std::string ToUpper(std::string_view text);
std::vector<std::string> Split(std::string_view text, char separator);

}  // namespace ringlace
