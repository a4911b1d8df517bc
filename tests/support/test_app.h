// The program's state for command tests: an App in a fresh folder (application and data folder
// alike), with a test host and a seeded random source.
#pragma once

#include <cstdint>

#include "commands/app.h"
#include "support/temp_folder.h"
#include "support/test_host.h"

namespace ringlace::test {

struct TestApp {
    explicit TestApp(std::uint64_t seed) : app(host) {
        app.paths.AppFolder = app.paths.DataFolder = folder.Path();
        app.random = RandomSource(seed);
    }
    TempFolder folder;
    TestHost host;
    App app;
};

}  // namespace ringlace::test
