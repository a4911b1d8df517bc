// Where the program reads and writes its files. The shipped files (the scheme list, the help page,
// the sample puzzles) are read from the application folder: the executable's own, or, for an
// installed copy whose executable folder lacks them, <prefix>/share/ringlace beside its bin
// folder. Settings, scratch files and the solution register are written beside the executable
// too, unless that folder cannot be written: then, and always for an installed copy, they go to
// the person's own data folder.
#pragma once

#include <string>

namespace ringlace {

// The one shipped file the program cannot run without; the folder that holds it holds them all.
inline constexpr const char* kSchemeListFile = "all.col";

// The file a trial write creates in a folder, and removes again.
inline constexpr const char* kWriteProbeFile = ".ringlace-write-probe";

struct AppPaths {
    std::string AppFolder;   // with a trailing "/"
    std::string DataFolder;  // with a trailing "/"
    bool Installed = false;  // the shipped files are read from <prefix>/share/ringlace

    // A name without a folder separator is taken relative to the folder.
    std::string InApp(const std::string& name) const;
    std::string InData(const std::string& name) const;
    // Whether the data left the application folder because it cannot be written, which the
    // person is told; an installed copy keeps its data elsewhere as a matter of course.
    bool DataMoved() const { return !Installed && DataFolder != AppFolder; }
};

// The folder of the running executable, with a trailing "/".
std::string ExecutableFolder();

// The folders of a program whose executable is in exeFolder. The application folder is exeFolder,
// unless the scheme list is missing there and present in exeFolder/../share/ringlace. The data
// folder is the application folder when its trial write succeeds or fails only for lack of space
// (saving then reports that itself, and the settings there are still read); else, and for an
// installed copy, it is "ringlace" in the XDG data home (xdgDataHome, or home + "/.local/share"),
// created when missing.
AppPaths LocateFolders(const std::string& exeFolder, const std::string& xdgDataHome,
                       const std::string& home);

// LocateFolders with the environment's XDG_DATA_HOME and HOME.
AppPaths LocateFoldersFromEnvironment(const std::string& exeFolder);

}  // namespace ringlace
