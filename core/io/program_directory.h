#pragma once

#include <string>

#include "io/install_places.h"

namespace zorva {

// The entity list the program directory is recognised by.
inline constexpr const char* kReferenceFileName = "dxcc_adif.kvt";

// The folder of dxcc_adif.kvt, zorva_rade.ini and new station files: the
// executable's folder when it holds the reference file and may be written (a
// build tree, a portable copy); else the per-user data folder, made if missing
// and seeded with every shipped file it lacks from the share folder. Files
// already in the per-user folder are never replaced.
std::string ChooseProgramDirectory(const InstallPlaces& places);

// The same for the running program.
std::string ProgramDirectory();

}  // namespace zorva
