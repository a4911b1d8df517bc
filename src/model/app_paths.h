// Where the program reads and writes its files. The shipped files (the scheme list, the help page,
// the sample puzzles) are read from the application folder, the executable's own. Settings,
// scratch files and the solution register are written there too, unless that folder cannot be
// written (an installed copy): then they go to the person's own data folder.
#pragma once

#include <string>

namespace ringlace {

struct AppPaths {
    std::string AppFolder;   // with a trailing "/"
    std::string DataFolder;  // with a trailing "/"

    // A name without a folder separator is taken relative to the folder.
    std::string InApp(const std::string& name) const;
    std::string InData(const std::string& name) const;
    bool DataMoved() const { return DataFolder != AppFolder; }
};

// The folder of the running executable, with a trailing "/".
std::string ExecutableFolder();

// The application folder as given; the data folder is the application folder when it can be
// written, else "ringlace" in the XDG data home (xdgDataHome, or home + "/.local/share"), created
// when missing.
AppPaths LocateFolders(const std::string& appFolder, const std::string& xdgDataHome,
                       const std::string& home);

// LocateFolders with the environment's XDG_DATA_HOME and HOME.
AppPaths LocateFoldersFromEnvironment(const std::string& appFolder);

bool FolderIsWritable(const std::string& folder);

}  // namespace ringlace
