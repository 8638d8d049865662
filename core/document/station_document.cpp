#include "document/station_document.h"

#include "io/file_system.h"

namespace zorva {

StationDocument::StationDocument(std::string programDir) : programDir_(std::move(programDir)) {}

std::string StationDocument::ProgramFile(const std::string& name) const {
    return JoinPath(programDir_, name);
}

}  // namespace zorva
