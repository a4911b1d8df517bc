// Where the program comes from, as its exported files and printed pages name it.
#pragma once

namespace ringlace {

inline constexpr const char* kMakerAddress = "https://ringlace.example.org";

}  // namespace ringlace
