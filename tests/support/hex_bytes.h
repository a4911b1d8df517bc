// Bytes written out by hand for tests of binary files: hex pairs, blanks between them ignored.
#pragma once

#include <string>
#include <string_view>

namespace ringlace::test {

inline std::string HexBytes(std::string_view hex) {
    std::string bytes;
    for (std::size_t at = 0; at < hex.size();) {
        if (hex[at] == ' ') {
            ++at;
            continue;
        }
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(at, 2)), nullptr, 16));
        at += 2;
    }
    return bytes;
}

}  // namespace ringlace::test
