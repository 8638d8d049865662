#pragma once

#include <optional>
#include <string>

#include "io/file_system.h"
#include "ports/clock.h"

namespace zorva {

// What the settings file remembers of the LoTW downloads of a station.
struct LotwMemory {
    std::string login;  // this station's, else the one used last for any station
    std::optional<CivilDate> lastDownload;  // nothing: no download yet, ask for everything
    IoStatus status;                        // the settings file exists but could not be read
};

LotwMemory RecallLotw(const std::string& settingsPath, const std::string& call);

// Remembers a download made on that day with that login. Call it only once its
// report was imported and the station saved, so that a failed import asks
// again for the same confirmations.
IoStatus RememberLotwDownload(const std::string& settingsPath, const std::string& call,
                              const std::string& login, const CivilDate& day);

}  // namespace zorva
