#include "files/station_file_check.h"

#include "files/station_file.h"

namespace zorva {

std::string WhyNotAStationFile(std::string_view bytes) {
    if (bytes.empty()) return "plik jest pusty (0 bajtów)";
    if (ParseStationFile(bytes).rows.empty())
        return "plik nie zawiera żadnego czytelnego wiersza podmiotu";
    return "";
}

}  // namespace zorva
