#pragma once

#include <string>

namespace zorva {

// Where the platform keeps the program's folders.
struct InstallPlaces {
    std::string executableDir;  // the running executable's folder, links resolved
    std::string userDataDir;    // the per-user data folder of zorva_rade
    std::string shareDir;       // the installed copy of the shipped files
};

// The places of the running program on this platform.
InstallPlaces SystemInstallPlaces();

}  // namespace zorva
