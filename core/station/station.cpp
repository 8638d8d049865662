#include "station/station.h"

namespace zorva {

Station::Station(Prompter& p, const Clock& c, std::string programDir)
    : prompter(p), clock(c), document_(std::move(programDir)) {}

}  // namespace zorva
