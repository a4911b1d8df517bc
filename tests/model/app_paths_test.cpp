#include "model/app_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace ringlace {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::WriteBytes;

// Beside a writable executable folder the data stays; where that folder cannot be written it goes
// to the XDG data home, or to the home folder's .local/share without an absolute one.
TEST(AppPathsTest, TheDataStaysInAWritableProgramFolderAndMovesFromOneThatIsNot) {
    TempFolder writable;
    TempFolder home;
    WriteBytes(writable.File(kSchemeListFile), "");
    const AppPaths beside = LocateFolders(writable.Path(), "", home.Path());
    EXPECT_EQ(beside.AppFolder, writable.Path());
    EXPECT_EQ(beside.DataFolder, writable.Path());
    EXPECT_FALSE(beside.DataMoved());
    EXPECT_FALSE(fs::exists(writable.File(kWriteProbeFile)));

    WriteBytes(home.File("blocker"), "a file where a folder would have to be");
    const std::string unwritable = home.File("blocker") + "/app";
    const AppPaths moved = LocateFolders(unwritable, home.File("xdg"), home.Path());
    EXPECT_EQ(moved.AppFolder, unwritable + "/");
    EXPECT_EQ(moved.DataFolder, home.File("xdg") + "/ringlace/");
    EXPECT_TRUE(moved.DataMoved());
    EXPECT_TRUE(fs::is_directory(moved.DataFolder));
    EXPECT_EQ(LocateFolders(unwritable, "relative", home.Path()).DataFolder,
              home.File(".local/share/ringlace/"));
}

// A full disk is not a read-only folder: the settings kept there are still the ones read. Writing
// to /dev/full fails with ENOSPC, so the trial write is pointed at it.
TEST(AppPathsTest, AFullDiskKeepsTheDataInTheProgramFolder) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    TempFolder full;
    TempFolder home;
    fs::create_symlink("/dev/full", full.File(kWriteProbeFile));
    const AppPaths paths = LocateFolders(full.Path(), "", home.Path());
    EXPECT_EQ(paths.DataFolder, full.Path());
    EXPECT_FALSE(paths.DataMoved());
}

// An installed copy reads its shipped files from <prefix>/share/ringlace and keeps its data in the
// person's folder, without a word about it, even where the share folder could be written; shipped
// files beside the executable still win.
TEST(AppPathsTest, AnInstalledCopyReadsTheShareFolderAndWritesThePersonsFolder) {
    TempFolder prefix;
    fs::create_directories(prefix.File("bin"));
    fs::create_directories(prefix.File("share/ringlace"));
    WriteBytes(prefix.File("share/ringlace/") + kSchemeListFile, "");
    TempFolder home;

    const AppPaths installed = LocateFolders(prefix.File("bin"), "", home.Path());
    EXPECT_EQ(installed.AppFolder, prefix.File("share/ringlace/"));
    EXPECT_EQ(installed.DataFolder, home.File(".local/share/ringlace/"));
    EXPECT_TRUE(installed.Installed);
    EXPECT_FALSE(installed.DataMoved());

    WriteBytes(prefix.File("bin/") + kSchemeListFile, "");
    const AppPaths beside = LocateFolders(prefix.File("bin"), "", home.Path());
    EXPECT_EQ(beside.AppFolder, prefix.File("bin/"));
    EXPECT_EQ(beside.DataFolder, prefix.File("bin/"));
    EXPECT_FALSE(beside.Installed);
}

}  // namespace
}  // namespace ringlace
