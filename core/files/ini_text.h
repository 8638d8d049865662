#pragma once

#include <SimpleIni.h>

#include <string>

namespace zorva {

// The INI text with "\n" line ends: SimpleIni ends lines as the system does
// (CR LF on Windows), and the file's own CR LF is added when it is written.
std::string IniText(const CSimpleIniA& ini);

}  // namespace zorva
