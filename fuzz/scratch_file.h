// A file holding the fuzzer's input, for the readers that take a file name rather than text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ringlace::fuzz {

// The path of a file named name, holding exactly the size bytes at data, in a folder of this
// process's own under the system's temporary folder (never the working folder, so a run leaves
// nothing in the source tree). The folder is removed when the process ends normally.
std::string ScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);

}  // namespace ringlace::fuzz
