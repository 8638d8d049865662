// Recording and removing the confirmation of one entity.
#include <optional>

#include "document/entity_fields.h"
#include "document/station_document.h"
#include "text/columns.h"
#include "text/typed_value.h"
#include "text/utf8.h"

namespace zorva {
namespace {

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

ConfirmOutcome Refuse(Reason reason, FaultyField field, std::string detail = {}) {
    ConfirmOutcome outcome;
    static_cast<Outcome&>(outcome) = Refusal(reason, std::move(detail));
    outcome.field = field;
    return outcome;
}

std::optional<ConfirmOutcome> DateRefusal(const std::string& call, const std::string& date) {
    if (!AllBlank(call) && date == kEmptyDateField)
        return Refuse(Reason::DateMissing, FaultyField::Date);
    const std::string day = DatePart(date, 9, 2);
    const std::string month = DatePart(date, 6, 2);
    if (AllBlank(day)) return Refuse(Reason::DayMissing, FaultyField::None);
    if (AllBlank(month)) return Refuse(Reason::MonthMissing, FaultyField::None);
    if (AllBlank(DatePart(date, 1, 4))) return Refuse(Reason::YearMissing, FaultyField::None);
    const std::optional<int> dayNumber = ReadNumber(day);
    if (!dayNumber) return Refuse(Reason::DayNotNumber, FaultyField::None, day);
    if (*dayNumber > 31) return Refuse(Reason::DateOutOfRange, FaultyField::Date);
    const std::optional<int> monthNumber = ReadNumber(month);
    if (!monthNumber) return Refuse(Reason::MonthNotNumber, FaultyField::None, month);
    if (*monthNumber > 12) return Refuse(Reason::DateOutOfRange, FaultyField::Date);
    return std::nullopt;
}

// A symbol the station file cannot hold, or one that would break its line, would be lost
// at the next save or take the rest of the file with it.
std::optional<ConfirmOutcome> InputRefusal(const std::string& call, const std::string& date) {
    if (auto symbol = UnstorableSymbol(call))
        return Refuse(Reason::CallUnstorable, FaultyField::Call, *symbol);
    if (auto symbol = UnstorableSymbol(date))
        return Refuse(Reason::DateUnstorable, FaultyField::Date, *symbol);
    return DateRefusal(call, date);
}

int* MethodCount(Counters& counters, const std::string& text) {
    const std::optional<Confirmation> method = ConfirmationOf(text);
    if (!method) return nullptr;
    return *method == Confirmation::Qsl ? &counters.qslCount : &counters.lotwCount;
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
                                        const std::string& date, Confirmation method) {
    const int index = table_.FindAdif(adif);
    if (index == 0) return Refuse(Reason::NoSuchEntity, FaultyField::None, adif);
    if (!table_.Row(index).verifiedDate.empty())
        return Refuse(Reason::VerifiedRow, FaultyField::None);
    EntityRow shown = table_.Row(index);
    return ConfirmShownRow(shown, call, date, method);
}

ConfirmOutcome StationDocument::ConfirmShownRow(EntityRow& shown, const std::string& call,
                                                const std::string& date, Confirmation method) {
    if (auto refusal = InputRefusal(call, date)) return *refusal;
    const EntityRow before = shown;
    shown.call = ToUpperText(Trim(call));
    shown.qsoDate = shown.call.empty() ? std::string() : date;
    shown.confirmation = shown.call.empty() ? std::string() : TextOf(method);
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
        return Confirm(adif, "", kEmptyDateField, Confirmation::Qsl);
    const EntityRow& row = table_.Row(index);
    if (row.call.empty()) return {};
    // The stored date still passes the date checks, as it does when the call field is emptied.
    const std::string date =
        row.qsoDate.empty() ? std::string(kEmptyDateField) : PadCut(row.qsoDate, kDateFieldWidth);
    const Confirmation method = ConfirmationOf(row.confirmation).value_or(Confirmation::Qsl);
    return Confirm(adif, "", date, method);
}

}  // namespace zorva
