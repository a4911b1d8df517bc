// Who made the program, as the puzzles it writes for other programs and for print say it.
#pragma once

namespace ringlace {

// The maker's web address, shown under the titles of a written puzzle.
inline constexpr const char* kMakerAddress = "https://ringlace.example.org";

}  // namespace ringlace
