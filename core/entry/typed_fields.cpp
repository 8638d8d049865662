#include "entry/typed_fields.h"

#include "entry/entry_dialog.h"
#include "text/columns.h"
#include "text/utf8.h"

namespace zorva {

std::optional<std::string> CallFieldFromTyped(std::string_view typed) {
    if (CharCount(typed) > kCallFieldWidth) return std::nullopt;
    return PadCut(ToUpperText(typed), kCallFieldWidth);
}

std::optional<std::string> DateFieldFromTyped(std::string_view typed) {
    if (typed.empty()) return std::string(kEmptyDateField);
    if (typed.size() != kDateFieldWidth) return std::nullopt;
    std::string field(typed);
    for (size_t i = 0; i < field.size(); ++i) {
        const bool separator = i == 4 || i == 7;
        if (separator) {
            if (field[i] != '-') return std::nullopt;
            continue;
        }
        if (field[i] == '_') field[i] = ' ';
        if (field[i] != ' ' && (field[i] < '0' || field[i] > '9')) return std::nullopt;
    }
    return field;
}

}  // namespace zorva
