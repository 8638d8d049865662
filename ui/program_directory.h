#pragma once

#include <string>

namespace zorva {

// The folder of dxcc_adif.kvt, zorva_rade.ini and new station files: the
// executable's folder when it holds the reference file and may be written (a
// build tree, a portable copy); else userDataDir, seeded with every shipped
// file it lacks from the installed share folder (../share/zorva_rade beside
// the executable's folder). Files already in userDataDir are never replaced.
std::string ChooseProgramDirectory(const std::string& executableDir, const std::string& userDataDir);

// The same for the running program: its executable's folder and the per-user
// data folder (~/.local/share/zorva_rade). Needs a QCoreApplication.
std::string ProgramDirectory();

}  // namespace zorva
