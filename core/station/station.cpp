#include "station/station.h"

#include "io/file_system.h"

namespace zorva {

std::string Grid::CurrentAdif() const {
    if (currentRow < 1 || currentRow > DataRowCount()) return {};
    return DataRow(currentRow).adif;
}

Station::Station(Prompter& p, const Clock& c, std::string programDir)
    : prompter(p), clock(c), programDir_(std::move(programDir)) {}

std::string Station::ProgramFile(const std::string& name) const {
    return JoinPath(programDir_, name);
}

}  // namespace zorva
