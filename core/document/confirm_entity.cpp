// Recording and removing the confirmation of one entity.
#include <optional>

#include "document/entity_fields.h"
#include "document/station_document.h"
#include "text/columns.h"
#include "text/typed_value.h"
#include "text/utf8.h"

namespace zorva {
namespace {

constexpr const char* kQsl = "QSL";
constexpr const char* kLotw = "LoTW";

bool AllBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// Positions counted from 1, as the date field's layout is described.
std::string DatePart(const std::string& date, size_t first, size_t count) {
    return SubChars(date, first - 1, count);
}

// A day or month part: leading blanks, then decimal digits and nothing else.
std::optional<int> ReadNumber(const std::string& part) {
    size_t pos = part.find_first_not_of(' ');
    if (pos == std::string::npos) return std::nullopt;
    int value = 0;
    for (; pos < part.size(); ++pos) {
        const char c = part[pos];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

ConfirmOutcome Refuse(std::string message, FaultyField field) {
    ConfirmOutcome outcome;
    outcome.refusal = std::move(message);
    outcome.field = field;
    return outcome;
}

std::optional<ConfirmOutcome> DateRefusal(const std::string& call, const std::string& date) {
    if (!AllBlank(call) && date == kEmptyDateField)
        return Refuse("Wprowadź datę łączności!", FaultyField::Date);
    const std::string day = DatePart(date, 9, 2);
    const std::string month = DatePart(date, 6, 2);
    if (AllBlank(day)) return Refuse("Wprowadź dzień łączności!", FaultyField::None);
    if (AllBlank(month)) return Refuse("Wprowadź miesiąc łącznosci!", FaultyField::None);
    if (AllBlank(DatePart(date, 1, 4))) return Refuse("Wprowadź rok łącznosci!", FaultyField::None);
    const std::optional<int> dayNumber = ReadNumber(day);
    if (!dayNumber)
        return Refuse("Dzień łączności \"" + day + "\" nie jest liczbą!", FaultyField::None);
    if (*dayNumber > 31) return Refuse("Wprowadź poprawną datę łączności!", FaultyField::Date);
    const std::optional<int> monthNumber = ReadNumber(month);
    if (!monthNumber)
        return Refuse("Miesiąc łączności \"" + month + "\" nie jest liczbą!", FaultyField::None);
    if (*monthNumber > 12) return Refuse("Wprowadź poprawną datę łączności!", FaultyField::Date);
    return std::nullopt;
}

// A symbol the station file cannot hold, or one that would break its line, would be lost
// at the next save or take the rest of the file with it.
std::optional<ConfirmOutcome> InputRefusal(const std::string& call, const std::string& date) {
    if (auto symbol = UnstorableSymbol(call)) {
        return Refuse(
            "Znak stacji zawiera " + *symbol + ", którego nie można zapisać w pliku danych!",
            FaultyField::Call);
    }
    if (auto symbol = UnstorableSymbol(date)) {
        return Refuse(
            "Data łączności zawiera " + *symbol + ", którego nie można zapisać w pliku danych!",
            FaultyField::Date);
    }
    return DateRefusal(call, date);
}

int* MethodCount(Counters& counters, const std::string& method) {
    if (method == kQsl) return &counters.qslCount;
    if (method == kLotw) return &counters.lotwCount;
    return nullptr;
}

void UpdateCounters(Counters& counters, const EntityRow& before, const EntityRow& after) {
    const bool wasConfirmed = !before.call.empty();
    const bool active = !before.IsDeleted();
    if (wasConfirmed && after.call.empty()) {
        --counters.toVerifyAll;
        if (active) --counters.toVerifyActive;
        if (int* count = MethodCount(counters, before.confirmation)) --*count;
    } else if (!wasConfirmed && !after.call.empty()) {
        ++counters.toVerifyAll;
        if (active) ++counters.toVerifyActive;
        if (int* count = MethodCount(counters, after.confirmation)) ++*count;
    } else if (wasConfirmed && after.confirmation != before.confirmation) {
        if (int* count = MethodCount(counters, before.confirmation)) --*count;
        if (int* count = MethodCount(counters, after.confirmation)) ++*count;
    }
}

}  // namespace

ConfirmOutcome StationDocument::Confirm(const std::string& adif, const std::string& call,
                                        const std::string& date, ConfirmationMethod method) {
    const int index = table_.FindAdif(adif);
    if (index == 0)
        return Refuse("Brak podmiotu o numerze ADIF " + Trim(adif) + "!", FaultyField::None);
    if (!table_.Row(index).verifiedDate.empty())
        return Refuse(kVerifiedRowRefusal, FaultyField::None);
    EntityRow shown = table_.Row(index);
    return ConfirmShownRow(shown, call, date, method);
}

ConfirmOutcome StationDocument::ConfirmShownRow(EntityRow& shown, const std::string& call,
                                                const std::string& date,
                                                ConfirmationMethod method) {
    if (auto refusal = InputRefusal(call, date)) return *refusal;
    const EntityRow before = shown;
    shown.call = ToUpperText(Trim(call));
    shown.qsoDate = shown.call.empty() ? std::string() : date;
    shown.confirmation =
        shown.call.empty() ? std::string() : (method == ConfirmationMethod::Lotw ? kLotw : kQsl);
    if (const int index = table_.FindAdif(shown.adif)) {
        EntityRow& entity = table_.Row(index);
        entity.call = shown.call;
        entity.qsoDate = shown.qsoDate;
        entity.confirmation = shown.confirmation;
    }
    UpdateCounters(counters_, before, shown);
    ConfirmOutcome outcome;
    // Any change counts, not only an added or removed confirmation.
    outcome.changed = shown.call != before.call || shown.qsoDate != before.qsoDate ||
                      shown.confirmation != before.confirmation;
    if (outcome.changed) {
        modified_ = true;
        outcome.changedRows = 1;
    }
    return outcome;
}

ConfirmOutcome StationDocument::Clear(const std::string& adif) {
    const int index = table_.FindAdif(adif);
    if (index == 0 || !table_.Row(index).verifiedDate.empty())
        return Confirm(adif, "", kEmptyDateField, ConfirmationMethod::Qsl);
    const EntityRow& row = table_.Row(index);
    if (row.call.empty()) return {};
    // The stored date still passes the date checks, as it does when the call field is emptied.
    const std::string date =
        row.qsoDate.empty() ? std::string(kEmptyDateField) : PadCut(row.qsoDate, kDateFieldWidth);
    const ConfirmationMethod method =
        row.confirmation == kLotw ? ConfirmationMethod::Lotw : ConfirmationMethod::Qsl;
    return Confirm(adif, "", date, method);
}

}  // namespace zorva
