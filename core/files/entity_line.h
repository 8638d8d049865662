#pragma once

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

bool HasEntitySeparators(std::string_view line);

// adif untrimmed (it is the key), the other three trimmed; the rest stays empty.
EntityRow ParseEntityLine(std::string_view line);

// The four fields with their "|"s; adif is written as given.
std::string FormatEntityLine(std::string_view adif, bool deleted, std::string_view prefix,
                             std::string_view name);

}  // namespace zorva
