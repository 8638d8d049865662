#include "lists/list_lines.h"

#include "files/station_file.h"
#include "text/columns.h"
#include "text/utf8.h"

namespace zorva {

namespace {

constexpr size_t kVerificationColumnWidth = 11;  // the date and its "|"

bool WaitingWith(const EntityRow& row, const char* confirmation) {
    return !row.call.empty() && row.verifiedDate.empty() && row.confirmation == confirmation;
}

}  // namespace

std::vector<std::string> VerifiedListLines(const EntityTable& table, const std::string& stationCall,
                                           const std::string& shortDate) {
    std::vector<std::string> lines = StationHeaderLines(stationCall, shortDate);
    for (const EntityRow& row : table.Rows()) {
        if (row.IsVerified()) {
            lines.push_back(FormatStationLine(row));
            continue;
        }
        EntityRow shownUnconfirmed = row;
        shownUnconfirmed.call.clear();
        shownUnconfirmed.qsoDate.clear();
        shownUnconfirmed.confirmation.clear();
        lines.push_back(FormatStationLine(shownUnconfirmed));
    }
    return lines;
}

std::vector<std::string> VerificationListLines(const EntityTable& table, const std::string& call,
                                               const std::string& shortDate,
                                               const Counters& counters) {
    std::vector<std::string> lines = {
        "; " + ToUpperText(call),
        "; " + shortDate,
        ";",
        ";",
        ";Stan zweryfikowanych  : " + counters.VerifiedCounter(),
        ";Stan do zweryfikowania: " + counters.ToVerifyCounter(),
        std::string(69, '-'),
    };
    for (const char* confirmation : {"QSL", "LoTW"}) {
        for (const EntityRow& row : table.Rows()) {
            if (!WaitingWith(row, confirmation)) continue;
            const std::string line = FormatStationLine(row);
            lines.push_back(SubChars(line, 0, CharCount(line) - kVerificationColumnWidth));
        }
    }
    return lines;
}

std::vector<std::string> ConfirmationListLines(const EntityTable& table, Confirmation kind) {
    const char* confirmation = kind == Confirmation::Qsl ? "QSL" : "LoTW";
    const char* column = kind == Confirmation::Qsl ? "  QSL  " : "  LoTW ";
    std::vector<std::string> lines;
    for (const EntityRow& row : table.Rows()) {
        if (row.confirmation != confirmation) continue;
        lines.push_back(PadCut(row.call, 15) + PadCut(row.qsoDate, 10) + "  " +
                        PadCut(row.prefix, 5) + "  " + row.adif + "  " + PadCut(row.name, 24) +
                        column + PadCut(row.verifiedDate, 10));
    }
    return lines;
}

}  // namespace zorva
