#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/station_file.h"

namespace zorva {

enum class StationFault {
    None,
    WholeFile,       // detail: why, completing "... nie może zostać wczytany, ponieważ "
    BadLine,         // detail: the line; it may come from the previous version
    RepeatedEntity,  // detail: the line
};

// Station file bytes parsed, with the first fault that keeps them from loading: the
// whole file (too large, lines ended by CR alone, a UTF-8 mark, no entity line or binary),
// a bad line, or an entity repeated. Bytes at fault as a whole are not parsed.
struct CheckedStationFile {
    StationFileContents contents;
    StationFault fault = StationFault::None;
    std::string detail;
};
CheckedStationFile CheckStationFile(std::string_view bytes);

// The message that the file at path cannot be loaded for that fault.
std::string StationFaultMessage(const std::string& path, const CheckedStationFile& checked);

// Whether bytes can be loaded as a station file: nothing when they can, else the
// message about the file at path that says why not.
std::optional<std::string> StationFileFault(const std::string& path, std::string_view bytes);

// Why bytes cannot stand in for a station file, as a clause for a longer sentence;
// empty when they can.
std::string WhyNotAStationFile(std::string_view bytes);

}  // namespace zorva
