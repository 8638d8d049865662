#pragma once

#include <iterator>
#include <string>
#include <string_view>

#include "model/entity_row.h"

namespace zorva {

// The 37-character line of an entity, as the reference file, the conversion
// template and the start of every station data line hold it:
// "246| |1A0  |Military Order of Malta |".
struct EntityLineField {
    size_t first;  // 0-based column
    size_t width;
};
namespace entity_line {
inline constexpr EntityLineField kAdif{0, 3};
inline constexpr EntityLineField kDeleted{4, 1};  // "D" or a blank
inline constexpr EntityLineField kPrefix{6, 5};
inline constexpr EntityLineField kName{12, 24};
inline constexpr size_t kWidth = 37;
// 1-based columns of the "|" that end each field.
inline constexpr size_t kSeparators[] = {4, 6, 12, 37};
}  // namespace entity_line

// A station data line: the entity line, then these four fields, each ended by "|".
namespace station_line {
inline constexpr EntityLineField kCall{37, 15};
inline constexpr EntityLineField kQsoDate{53, 10};
inline constexpr EntityLineField kConfirmation{64, 4};
inline constexpr EntityLineField kVerifiedDate{69, 10};
inline constexpr size_t kWidth = 80;
inline constexpr EntityLineField kFields[] = {
    entity_line::kAdif, entity_line::kDeleted, entity_line::kPrefix, entity_line::kName, kCall,
    kQsoDate,           kConfirmation,         kVerifiedDate};
}  // namespace station_line

// Each field's "|" stands right after it and the next field right after the "|",
// so the reader's offsets, the writer's widths and the separator checks agree.
constexpr bool FieldsMeetTheirSeparators() {
    constexpr size_t fieldCount = std::size(station_line::kFields);
    for (size_t i = 0; i < fieldCount; ++i) {
        const EntityLineField& field = station_line::kFields[i];
        const size_t separator = field.first + field.width + 1;  // 1-based
        if (i < std::size(entity_line::kSeparators) && entity_line::kSeparators[i] != separator)
            return false;
        const size_t next =
            i + 1 < fieldCount ? station_line::kFields[i + 1].first : station_line::kWidth;
        if (next != separator) return false;
    }
    return station_line::kFields[3].first + station_line::kFields[3].width + 1 ==
           entity_line::kWidth;
}
static_assert(FieldsMeetTheirSeparators());

bool HasEntitySeparators(std::string_view line);

// adif untrimmed (it is the key), the other three trimmed; the rest stays empty.
EntityRow ParseEntityLine(std::string_view line);

// The four fields with their "|"s; adif is written as given.
std::string FormatEntityLine(std::string_view adif, bool deleted, std::string_view prefix,
                             std::string_view name);

}  // namespace zorva
