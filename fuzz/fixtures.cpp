#include "fixtures.h"

#include <vector>

#include "files/reference_file.h"
#include "files/station_file.h"
#include "io/text_file.h"

namespace zorva::fuzz {
namespace {

std::vector<EntityRow> SmallRows() {
    return {{" 24", "D", "3Y/B", "Bouvet", "3Y0C", "2001-01-01", "QSL", "2002-02-02"},
            {"230", "", "DL", "Germany", "DL1ABC", "2021-03-04", "LoTW", ""},
            {"269", "", "SP", "Polska Łódź", "", "", "", ""},
            {"  1", "", "VE", "Canada", "VE3XX", "2020-05-06", "QSL", "2021-01-01"}};
}

}  // namespace

std::string SmallReferenceBytes() {
    std::vector<std::string> lines;
    for (const auto& row : SmallRows()) lines.push_back(FormatReferenceLine(row));
    return EncodeLines(lines).bytes;
}

std::string SmallStationBytes() {
    std::vector<std::string> lines = StationHeaderLines("sp5abc", "08.12.2026");
    for (const auto& row : SmallRows()) lines.push_back(FormatStationLine(row));
    return EncodeLines(lines).bytes;
}

}  // namespace zorva::fuzz
