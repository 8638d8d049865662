#include "io/program_directory.h"

#include "io/directory.h"
#include "io/file_system.h"

namespace zorva {
namespace {

// Plain files only; hidden ones are nobody's shipped data.
void SeedFrom(const std::string& shareDir, const std::string& target) {
    for (const std::string& name : ListFileNames(shareDir).names) {
        const std::string to = JoinPath(target, name);
        if (!name.starts_with('.') && !FileExists(to)) CopyFile(JoinPath(shareDir, name), to);
    }
}

}  // namespace

std::string ChooseProgramDirectory(const InstallPlaces& places) {
    if (FileExists(JoinPath(places.executableDir, kReferenceFileName)) &&
        IsWritableDirectory(places.executableDir)) {
        return places.executableDir;
    }
    MakeDirectories(places.userDataDir);
    SeedFrom(places.shareDir, places.userDataDir);
    return places.userDataDir;
}

std::string ProgramDirectory() {
    return ChooseProgramDirectory(SystemInstallPlaces());
}

}  // namespace zorva
