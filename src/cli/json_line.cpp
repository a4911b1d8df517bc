#include "cli/json_line.h"

#include <cstdio>

namespace ringlace::cli {

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (unsigned char ch : text) {
        switch (ch) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (ch < 0x20 || ch >= 0x7F) {
                    // Records are ASCII; any other byte is shown as its Latin-1 code point so the
                    // line stays valid JSON whatever the file held.
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
                    quoted += escaped;
                } else {
                    quoted += static_cast<char>(ch);
                }
        }
    }
    return quoted + "\"";
}

JsonLine& JsonLine::Member(const std::string& key, const std::string& valueText) {
    if (!members_.empty()) members_ += ", ";
    members_ += JsonString(key) + ": " + valueText;
    return *this;
}

JsonLine& JsonLine::Add(const std::string& key, double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return Member(key, text);
}

JsonLine& JsonLine::Add(const std::string& key, const std::string& value) {
    return Member(key, JsonString(value));
}

JsonLine& JsonLine::Add(const std::string& key, const char* value) {
    return Member(key, JsonString(value));
}

JsonLine& JsonLine::Add(const std::string& key, bool value) {
    return Member(key, value ? "true" : "false");
}

JsonLine& JsonLine::AddNull(const std::string& key) {
    return Member(key, "null");
}

JsonLine& JsonLine::Add(const std::string& key, const std::vector<std::string>& values) {
    std::string list = "[";
    for (std::size_t k = 0; k < values.size(); ++k) list += (k ? ", " : "") + JsonString(values[k]);
    return Member(key, list + "]");
}

}  // namespace ringlace::cli
