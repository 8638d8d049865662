#include "files/reference_file.h"

#include "files/entity_line.h"
#include "files/station_file.h"
#include "io/text_file.h"
#include "text/columns.h"

namespace zorva {

std::string FormatReferenceLine(const EntityRow& row) {
    return FormatEntityLine(PadLeft(row.adif, entity_line::kAdif.width), !row.deleted.empty(),
                            row.prefix, row.name);
}

std::string ReferenceKey(std::string_view line) {
    return Columns(line, entity_line::kAdif.first, entity_line::kAdif.width);
}

bool IsBadReferenceLine(std::string_view line) {
    return !HasEntitySeparators(line) || line.find('\r') != std::string_view::npos;
}

EntityRow ParseReferenceLine(std::string_view line) {
    return ParseEntityLine(line);
}

std::string ReferenceDataView(const EntityRow& row) {
    std::string line = FormatEntityLine(row.adif, row.deleted == "D", row.prefix, row.name);
    line.pop_back();
    return line;
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

std::string EmptyReferenceMessage(const std::string& path) {
    return "Plik wzorcowy \"" + path + "\" nie zawiera żadnego podmiotu!\n" +
           "Popraw ten plik i spróbuj ponownie.";
}

std::string MissingReferenceMessage(const std::string& path) {
    return "Plik wzorcowy \"" + path + "\" nie został znaleziony!\n" +
           "Musi on znajdować się w tym samym katalogu, co i ZORVA_RADE.EXE.";
}

}  // namespace zorva
