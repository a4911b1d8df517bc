// One line of JSON: an object whose members are added in order.
#pragma once

#include <string>
#include <type_traits>
#include <vector>

namespace ringlace::cli {

class JsonLine {
public:
    template <typename Integer>
    requires(std::is_integral_v<Integer> &&
             !std::is_same_v<Integer, bool>) JsonLine& Add(const std::string& key, Integer value) {
        return Member(key, std::to_string(value));
    }
    JsonLine& Add(const std::string& key, double value);
    JsonLine& Add(const std::string& key, const std::string& value);
    JsonLine& Add(const std::string& key, const char* value);
    JsonLine& Add(const std::string& key, bool value);
    JsonLine& AddNull(const std::string& key);
    JsonLine& Add(const std::string& key, const std::vector<std::string>& values);
    // The object, without a line end.
    std::string Text() const { return "{" + members_ + "}"; }

private:
    JsonLine& Member(const std::string& key, const std::string& valueText);
    std::string members_;
};

// A JSON string literal, quotes included.
std::string JsonString(const std::string& text);

}  // namespace ringlace::cli
