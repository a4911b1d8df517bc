#include "cli/number_argument.h"

#include <charconv>

namespace ringlace::cli {

namespace {

// Decimal digits only, and a value the type holds.
template <typename Number>
std::optional<Number> WholeNumber(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    Number value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> NumberArgument(const std::string& text) {
    return WholeNumber<int>(text);
}

std::optional<std::uint64_t> SeedArgument(const std::string& text) {
    return WholeNumber<std::uint64_t>(text);
}

}  // namespace ringlace::cli
