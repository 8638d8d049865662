#include "io/program_directory.h"

#include <filesystem>

#include "io/file_system.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

constexpr const char* kReferenceFileName = "dxcc_adif.kvt";

// Plain files only; hidden ones are nobody's shipped data.
void SeedFrom(const std::string& shareDir, const std::string& target) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(shareDir, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with('.') || !entry.is_regular_file(error)) continue;
        const std::string to = JoinPath(target, name);
        if (!FileExists(to)) CopyFile(entry.path().string(), to);
    }
}

}  // namespace

std::string ChooseProgramDirectory(const InstallPlaces& places) {
    if (FileExists(JoinPath(places.executableDir, kReferenceFileName)) &&
        IsWritableDirectory(places.executableDir)) {
        return places.executableDir;
    }
    std::error_code error;
    fs::create_directories(places.userDataDir, error);
    SeedFrom(places.shareDir, places.userDataDir);
    return places.userDataDir;
}

std::string ProgramDirectory() {
    return ChooseProgramDirectory(SystemInstallPlaces());
}

}  // namespace zorva
