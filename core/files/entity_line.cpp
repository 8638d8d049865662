#include "files/entity_line.h"

#include "text/columns.h"

namespace zorva {
namespace {

std::string Field(std::string_view line, EntityLineField field) {
    return Columns(line, field.first, field.width);
}

}  // namespace

bool HasEntitySeparators(std::string_view line) {
    for (size_t column : entity_line::kSeparators)
        if (ColumnAt(line, column) != "|") return false;
    return true;
}

EntityRow ParseEntityLine(std::string_view line) {
    EntityRow row;
    row.adif = Field(line, entity_line::kAdif);
    row.deleted = Trim(Field(line, entity_line::kDeleted));
    row.prefix = Trim(Field(line, entity_line::kPrefix));
    row.name = Trim(Field(line, entity_line::kName));
    return row;
}

std::string FormatEntityLine(std::string_view adif, bool deleted, std::string_view prefix,
                             std::string_view name) {
    return std::string(adif) + "|" + (deleted ? "D|" : " |") +
           PadCut(prefix, entity_line::kPrefix.width) + "|" +
           PadCut(name, entity_line::kName.width) + "|";
}

}  // namespace zorva
