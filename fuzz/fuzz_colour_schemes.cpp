// The scheme list file "all.col": its scheme names listed as the options dialog lists them, then
// each scheme loaded as choosing it loads it. Every colour read is a colour.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/app_paths.h"
#include "play/colour_scheme.h"
#include "require.h"
#include "scratch_file.h"

using namespace ringlace;
using fuzz::Require;

namespace {

// Enough names to reach schemes after broken ones, few enough to keep every run fast.
constexpr std::size_t kSchemesLoaded = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = fuzz::ScratchFile(kSchemeListFile, data, size);
    const std::vector<std::string> names = ReadSchemeList(file);
    for (std::size_t k = 0; k < names.size() && k < kSchemesLoaded; ++k) {
        Settings settings;
        SchemeColours colours{};
        LoadColourScheme(file, names[k] + ".col", settings, colours);
        ApplyAdjustedColour(settings, colours);
        for (const std::int32_t colour : colours)
            Require(colour >= 0 && colour <= Rgb(255, 255, 255), "a scheme colour is no colour");
    }
    return 0;
}
