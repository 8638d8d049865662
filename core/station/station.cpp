#include "station/station.h"

namespace zorva {

Station::Station(Prompter& p, const Clock& c, std::string programDir)
    : StationDocument(std::move(programDir)), prompter(p), clock(c) {}

}  // namespace zorva
