// The program's state for command tests: an App in a fresh folder (application and data folder
// alike), with a test host and a seeded random source.
#pragma once

#include <cstdint>
#include <string>

#include "commands/app.h"
#include "model/text_file.h"
#include "support/temp_folder.h"
#include "support/test_host.h"

namespace ringlace::test {

struct TestApp {
    explicit TestApp(std::uint64_t seed = 1) : app(host) {
        app.paths.AppFolder = app.paths.DataFolder = folder.Path();
        app.random = RandomSource(seed);
    }
    // Record n of the file onto the board, the file counted first as opening it would. False when
    // it cannot be loaded: the test must stop there.
    bool Load(const std::string& file, int n) {
        app.place.count = CountLines(file);
        return LoadPuzzleOntoBoard(app, file, n);
    }
    const Message& LastMessage() const { return host.messages.back(); }

    TempFolder folder;
    TestHost host;
    App app;
};

}  // namespace ringlace::test
