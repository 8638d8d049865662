#include <cstdlib>
#include <filesystem>

#include "io/file_system.h"
#include "io/install_places.h"

namespace zorva {
namespace {

constexpr const char* kProgramFolder = "zorva_rade";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// $XDG_DATA_HOME, else ~/.local/share; an unset home counts as "/". Written
// out as the desktop has always found it, so its users keep their folder.
std::string DataHome() {
    const std::string xdg = Environment("XDG_DATA_HOME");
    if (!xdg.empty()) return WithoutTrailingSlashes(xdg);
    std::string home = Environment("HOME");
    if (home.empty()) home = "/";
    home = WithoutTrailingSlashes(std::filesystem::path(home).lexically_normal().string());
    return home + "/.local/share";
}

std::string ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::canonical("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

}  // namespace

InstallPlaces SystemInstallPlaces() {
    const std::string executableDir = ExecutableDirectory();
    return {executableDir, JoinPath(DataHome(), kProgramFolder),
            JoinPath(executableDir, std::string("../share/") + kProgramFolder)};
}

}  // namespace zorva
