#include "files/reference_file.h"

#include "files/station_file.h"
#include "io/text_file.h"
#include "text/columns.h"

namespace zorva {

std::string FormatReferenceLine(const EntityRow& row) {
    return PadLeft(row.adif, 3) + "|" + (row.deleted.empty() ? " " : "D") + "|" +
           PadCut(row.prefix, 5) + "|" + PadCut(row.name, 24) + "|";
}

std::string ReferenceKey(std::string_view line) {
    return Columns(line, 0, 3);
}

bool IsBadReferenceLine(std::string_view line) {
    return ColumnAt(line, 4) != "|" || ColumnAt(line, 6) != "|" || ColumnAt(line, 12) != "|" ||
           ColumnAt(line, 37) != "|";
}

EntityRow ParseReferenceLine(std::string_view line) {
    EntityRow row;
    row.adif = ReferenceKey(line);
    row.deleted = Trim(Columns(line, 4, 1));
    row.prefix = Trim(Columns(line, 6, 5));
    row.name = Trim(Columns(line, 12, 24));
    return row;
}

std::string ReferenceDataView(const EntityRow& row) {
    return row.adif + "|" + (row.deleted == "D" ? "D|" : " |") + PadCut(row.prefix, 5) + "|" +
           PadCut(row.name, 24);
}

ReferenceList ReadReferenceList(const std::string& path) {
    ReferenceList list;
    TextLines text = ReadTextLines(path);
    if (!text.ok()) {
        list.status = text.status;
        return list;
    }
    for (auto& line : text.lines) {
        if (line.empty()) continue;
        if (IsBadReferenceLine(line)) {
            list.badLine = std::move(line);
            break;
        }
        list.lines.push_back(std::move(line));
    }
    return list;
}

std::string BadReferenceLineMessage(const std::string& line) {
    return "Błąd w pliku DXCC_ADIF.KVT w linii:\n\n" + QuotableLine(line) + "\n\n" +
           "Popraw tą linię w pliku i spróbuj ponownie.";
}

std::string MissingReferenceMessage(const std::string& path) {
    return "Plik wzorcowy \"" + path + "\" nie został znaleziony!\n" +
           "Musi on znajdować się w tym samym katalogu, co i ZORVA_RADE.EXE.";
}

}  // namespace zorva
