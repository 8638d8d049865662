#pragma once

#include <optional>
#include <string>

#include "ports/clock.h"

namespace zorva {

// A version's file carries the modification time the station file had when the
// version was kept: the moment its content was saved, which its name (the moment
// it was replaced) does not tell. Only shown, so a failure just leaves the time of keeping.
void CarrySavedTime(const std::string& stationPath, const std::string& versionPath);

// The modification time of a file on the user's clock.
std::optional<LocalDateTime> SavedTimeOf(const std::string& path);

}  // namespace zorva
