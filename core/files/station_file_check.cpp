#include "files/station_file_check.h"

#include <algorithm>

namespace zorva {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Lines ended by CR alone read as one line: a file without any LF, or a line that goes
// on after a CR past the 80 columns of a data line. A CR inside a field is a byte of it.
bool LinesEndInCrAlone(std::string_view bytes) {
    if (bytes.find('\n') == std::string_view::npos)
        return bytes.find('\r') != std::string_view::npos;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t lf = std::min(bytes.find('\n', start), bytes.size());
        const std::string_view line = bytes.substr(start, lf - start);
        const size_t cr = line.find('\r', kStationLineWidth);
        if (cr != std::string_view::npos && cr + 1 < line.size()) return true;
        start = lf + 1;
    }
    return false;
}

std::optional<std::string> WholeFileFault(std::string_view bytes) {
    if (bytes.size() > kStationFileMaxBytes)
        return "jest większy niż " + std::to_string(kStationFileMaxBytes / (1024 * 1024)) +
               " MB, a plik danych stacji ma kilkadziesiąt kB";
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark)
        return "został zapisany w kodowaniu UTF-8 (zaczyna się znacznikiem BOM),\n"
               "a plik danych stacji musi być zapisany w kodowaniu Windows-1250";
    if (LinesEndInCrAlone(bytes)) return "jego linie kończą się samym znakiem CR (bez LF)";
    return std::nullopt;
}

CheckedStationFile Faulty(StationFault fault, std::string detail) {
    CheckedStationFile checked;
    checked.fault = fault;
    checked.detail = std::move(detail);
    return checked;
}

}  // namespace

CheckedStationFile CheckStationFile(std::string_view bytes) {
    if (auto reason = WholeFileFault(bytes)) return Faulty(StationFault::WholeFile, *reason);
    CheckedStationFile checked;
    checked.contents = ParseStationFile(bytes);
    const StationFileContents& read = checked.contents;
    if (read.badLine) {
        checked.fault = StationFault::BadLine;
        checked.detail = *read.badLine;
    } else if (read.repeatedLine) {
        checked.fault = StationFault::RepeatedEntity;
        checked.detail = *read.repeatedLine;
    } else if (read.rows.empty()) {
        // A NUL inside a field is a byte of it; a file without entities that holds one is binary.
        checked.fault = StationFault::WholeFile;
        checked.detail = bytes.find('\0') == std::string_view::npos
                             ? "nie zawiera żadnej linii podmiotu"
                             : "zawiera bajty zerowe - nie jest plikiem tekstowym";
    }
    return checked;
}

std::string StationFaultMessage(const std::string& path, const CheckedStationFile& checked) {
    if (checked.fault == StationFault::None) return {};
    if (checked.fault == StationFault::WholeFile)
        return "Plik " + path + "\n" + "nie może zostać wczytany jako plik danych stacji, " +
               "ponieważ " + checked.detail + ".";
    const std::string why = checked.fault == StationFault::RepeatedEntity
                                ? "Podmiot o tym numerze ADIF występuje już we wcześniejszej "
                                  "linii pliku.\n"
                                : "";
    return "Błąd w pliku " + path + "\n" + "w linii:" + "\n" + "\n" + QuotableLine(checked.detail) +
           "\n" + "\n" + why + "Popraw tą linię w pliku i spróbuj ponownie.";
}

std::optional<std::string> StationFileFault(const std::string& path, std::string_view bytes) {
    const CheckedStationFile checked = CheckStationFile(bytes);
    if (checked.fault == StationFault::None) return std::nullopt;
    return StationFaultMessage(path, checked);
}

std::string WhyNotAStationFile(std::string_view bytes) {
    const CheckedStationFile checked = CheckStationFile(bytes);
    switch (checked.fault) {
        case StationFault::None:
            break;
        case StationFault::WholeFile:
            return bytes.empty() ? "plik jest pusty (0 bajtów)" : "plik " + checked.detail;
        case StationFault::BadLine:
            return "plik zawiera linię, która nie jest linią podmiotu";
        case StationFault::RepeatedEntity:
            return "plik zawiera dwukrotnie ten sam podmiot";
    }
    return {};
}

}  // namespace zorva
