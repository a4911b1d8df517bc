#include "model/app_paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "model/text_file.h"

namespace ringlace {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string Resolve(const std::string& folder, const std::string& name) {
    return name.find('/') == std::string::npos ? folder + name : name;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The errno of a failed C library call, which is not bound to set one.
int LastError() {
    return errno != 0 ? errno : EIO;
}

// Writes a byte to a new file in the folder and removes it again: 0, or the errno of the failure.
int TryWritingIn(const std::string& folder) {
    const std::string probe = WithSlash(folder) + kWriteProbeFile;
    errno = 0;
    std::FILE* file = std::fopen(probe.c_str(), "wb");
    if (!file) return LastError();
    int error = std::fputc('x', file) != EOF && std::fflush(file) == 0 ? 0 : LastError();
    if (std::fclose(file) != 0 && error == 0) error = LastError();
    std::remove(probe.c_str());
    return error;
}

// A folder is the program's to write unless the write was refused (permissions, a read-only file
// system, no such folder). A full disk or quota passes, and moving elsewhere would start the
// person with default settings.
bool FolderIsWritable(const std::string& folder) {
    const int error = TryWritingIn(folder);
    return error == 0 || error == ENOSPC || error == EDQUOT;
}

// "ringlace" in the XDG data home, created when missing; "" when it cannot be created.
std::string PersonalDataFolder(const std::string& xdgDataHome, const std::string& home) {
    // XDG: a relative XDG_DATA_HOME is invalid and is ignored.
    const std::string base = !xdgDataHome.empty() && xdgDataHome.front() == '/'
                                 ? WithSlash(xdgDataHome)
                                 : WithSlash(home) + ".local/share/";
    const std::string data = base + "ringlace";
    std::error_code error;
    fs::create_directories(data, error);
    return error ? "" : WithSlash(data);
}

}  // namespace

std::string AppPaths::InApp(const std::string& name) const {
    return Resolve(AppFolder, name);
}
std::string AppPaths::InData(const std::string& name) const {
    return Resolve(DataFolder, name);
}

std::string ExecutableFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return WithSlash(fs::current_path(error).string());
    return WithSlash(exe.parent_path().string());
}

AppPaths LocateFolders(const std::string& exeFolder, const std::string& xdgDataHome,
                       const std::string& home) {
    AppPaths paths;
    paths.AppFolder = WithSlash(exeFolder);
    const std::string share =
        WithSlash(fs::path(paths.AppFolder + "../share/ringlace").lexically_normal().string());
    paths.Installed =
        !FileExists(paths.AppFolder + kSchemeListFile) && FileExists(share + kSchemeListFile);
    if (paths.Installed) paths.AppFolder = share;
    paths.DataFolder = paths.AppFolder;
    if (!paths.Installed && FolderIsWritable(paths.AppFolder)) return paths;
    const std::string personal = PersonalDataFolder(xdgDataHome, home);
    if (!personal.empty()) paths.DataFolder = personal;
    return paths;
}

AppPaths LocateFoldersFromEnvironment(const std::string& exeFolder) {
    return LocateFolders(exeFolder, Environment("XDG_DATA_HOME"), Environment("HOME"));
}

}  // namespace ringlace
