#include "model/app_paths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

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

bool FolderIsWritable(const std::string& folder) {
    const std::string probe = WithSlash(folder) + ".ringlace-write-probe";
    bool writable = false;
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        writable = out.is_open() && (out << 'x') && out.flush();
    }
    std::error_code ignored;
    fs::remove(probe, ignored);
    return writable;
}

AppPaths LocateFolders(const std::string& appFolder, const std::string& xdgDataHome,
                       const std::string& home) {
    AppPaths paths;
    paths.AppFolder = WithSlash(appFolder);
    paths.DataFolder = paths.AppFolder;
    if (FolderIsWritable(paths.AppFolder)) return paths;
    // XDG: a relative XDG_DATA_HOME is invalid and is ignored.
    const std::string base = !xdgDataHome.empty() && xdgDataHome.front() == '/'
                                 ? WithSlash(xdgDataHome)
                                 : WithSlash(home) + ".local/share/";
    const std::string data = base + "ringlace";
    std::error_code error;
    fs::create_directories(data, error);
    if (!error) paths.DataFolder = WithSlash(data);
    return paths;
}

AppPaths LocateFoldersFromEnvironment(const std::string& appFolder) {
    return LocateFolders(appFolder, Environment("XDG_DATA_HOME"), Environment("HOME"));
}

}  // namespace ringlace
