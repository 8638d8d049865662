#include "import/import_rules.h"

#include "io/file_system.h"
#include "text/columns.h"
#include "text/cp1250.h"
#include "text/text_helpers.h"

namespace zorva {

int ParseEntityNumber(std::optional<std::string_view> value) {
    if (!value) return 0;
    std::string_view digits = *value;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
    if (digits.empty()) return 0;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
        if (number > 999) return 0;  // no entity has such a number; never cut it to three digits
    }
    return number;
}

std::string FormatQsoDate(std::optional<std::string_view> value) {
    if (!value || value->empty()) return {};
    std::string date = DecodeCp1250(*value);
    return Columns(date, 0, 4) + "-" + Columns(date, 4, 2) + "-" + Columns(date, 6, 2);
}

Confirmation NewEntryConfirmation(ImportSource source, Confirmation priority, bool qslReceived,
                                  bool lotwReceived) {
    if (source == ImportSource::Lotw) return Confirmation::Lotw;
    if (priority == Confirmation::Qsl) return qslReceived ? Confirmation::Qsl : Confirmation::Lotw;
    return lotwReceived ? Confirmation::Lotw : Confirmation::Qsl;
}

std::optional<Confirmation> ReplacementConfirmation(ImportSource source, Confirmation priority,
                                                    std::string_view rowConfirmation,
                                                    bool qslReceived, bool lotwReceived) {
    const bool rowQsl = SameAsciiLetters(rowConfirmation, "qsl");
    const bool rowLotw = SameAsciiLetters(rowConfirmation, "lotw");
    if (source == ImportSource::Log && priority == Confirmation::Qsl) {
        if (rowLotw && qslReceived) return Confirmation::Qsl;
    } else if (source == ImportSource::Log) {
        if (rowQsl && lotwReceived) return Confirmation::Lotw;
    } else if (priority == Confirmation::Lotw) {
        if (rowQsl) return Confirmation::Lotw;
    }
    return std::nullopt;
}

std::string ExtractPath(const std::string& inputPath, Confirmation method) {
    const size_t nameStart = inputPath.size() - FileNameOf(inputPath).size();
    const size_t dot = inputPath.find_last_of('.');
    // A dot that opens the name (a hidden file) is no extension.
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    const std::string stem = hasExtension ? inputPath.substr(0, dot) : inputPath;
    return stem + (method == Confirmation::Qsl ? "_qsl.adi" : "_lotw.adi");
}

}  // namespace zorva
