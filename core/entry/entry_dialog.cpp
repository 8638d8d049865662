#include "entry/entry_dialog.h"

#include <optional>

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

const char* MethodText(ConfirmationMethod method) {
    return method == ConfirmationMethod::Lotw ? kLotw : kQsl;
}

int* MethodCount(Counters& counters, const std::string& method) {
    if (method == kQsl) return &counters.qslCount;
    if (method == kLotw) return &counters.lotwCount;
    return nullptr;
}

}  // namespace

EntryDialog::EntryDialog(Station& station) : station_(station) {}

bool EntryDialog::Open() {
    wasConfirmed_ = false;
    row_ = station_.grid.currentRow;
    if (row_ < 1 || row_ > station_.grid.DataRowCount()) return false;
    const EntityRow& shown = station_.grid.DataRow(row_);
    if (!shown.verifiedDate.empty()) {
        ShowError(station_.prompter, kVerifiedRowRefusal);
        return false;
    }
    form_.prefix = shown.prefix;
    form_.name = shown.name;
    form_.adif = shown.adif;
    form_.deleted = shown.deleted;
    wasConfirmed_ = !shown.call.empty();
    form_.call = shown.call;
    form_.date = shown.qsoDate;
    form_.method = shown.confirmation == kLotw ? ConfirmationMethod::Lotw : ConfirmationMethod::Qsl;
    return true;
}

void EntryDialog::DateFieldChanged() {
    station_.MarkEdited();
}

EntryFocus EntryDialog::Refuse(const std::string& message, EntryFocus focus) {
    ShowError(station_.prompter, message);
    return focus;
}

bool EntryDialog::ValidateDate(const std::string& callField, const std::string& date,
                               EntryFocus& focus) {
    if (!AllBlank(callField) && date == kEmptyDateField) {
        focus = Refuse("Wprowadź datę łączności!", EntryFocus::DateField);
        return false;
    }
    const std::string day = DatePart(date, 9, 2);
    const std::string month = DatePart(date, 6, 2);
    if (AllBlank(day)) {
        focus = Refuse("Wprowadź dzień łączności!", EntryFocus::Unchanged);
        return false;
    }
    if (AllBlank(month)) {
        focus = Refuse("Wprowadź miesiąc łącznosci!", EntryFocus::Unchanged);
        return false;
    }
    if (AllBlank(DatePart(date, 1, 4))) {
        focus = Refuse("Wprowadź rok łącznosci!", EntryFocus::Unchanged);
        return false;
    }
    const std::optional<int> dayNumber = ReadNumber(day);
    if (!dayNumber) {
        focus = Refuse("Dzień łączności \"" + day + "\" nie jest liczbą!", EntryFocus::Unchanged);
        return false;
    }
    if (*dayNumber > 31) {
        focus = Refuse("Wprowadź poprawną datę łączności!", EntryFocus::DateField);
        return false;
    }
    const std::optional<int> monthNumber = ReadNumber(month);
    if (!monthNumber) {
        focus =
            Refuse("Miesiąc łączności \"" + month + "\" nie jest liczbą!", EntryFocus::Unchanged);
        return false;
    }
    if (*monthNumber > 12) {
        focus = Refuse("Wprowadź poprawną datę łączności!", EntryFocus::DateField);
        return false;
    }
    return true;
}

EntryOutcome EntryDialog::Accept(const std::string& callField, const std::string& dateField,
                                 ConfirmationMethod method) {
    // A symbol the station file cannot hold, or one that would break its line, would be lost
    // at the next save or take the rest of the file with it.
    if (auto symbol = UnstorableSymbol(callField)) {
        return {false, Refuse("Znak stacji zawiera " + *symbol +
                                  ", którego nie można zapisać w pliku danych!",
                              EntryFocus::CallField)};
    }
    if (auto symbol = UnstorableSymbol(dateField)) {
        return {false, Refuse("Data łączności zawiera " + *symbol +
                                  ", którego nie można zapisać w pliku danych!",
                              EntryFocus::DateField)};
    }
    EntryFocus focus = EntryFocus::Unchanged;
    if (!ValidateDate(callField, dateField, focus)) return {false, focus};

    const std::string call = ToUpperText(Trim(callField));
    const std::string date = call.empty() ? std::string() : dateField;
    const std::string methodText = call.empty() ? std::string() : MethodText(method);
    EntityRow before;
    if (row_ >= 1 && row_ <= station_.grid.DataRowCount()) before = station_.grid.DataRow(row_);
    WriteGridRow(call, date, methodText);
    WriteEntityRow(call, date, methodText);
    UpdateCounters(before.confirmation, call, methodText);
    // Any change must be asked about at closing, not only an added or removed confirmation.
    if (call != before.call || date != before.qsoDate || methodText != before.confirmation) {
        station_.MarkEdited();
    }
    station_.ShowStatusCounters(kPanelToVerify | kPanelTotal | kPanelQslLotw);
    return {true, EntryFocus::Unchanged};
}

void EntryDialog::WriteGridRow(const std::string& call, const std::string& date,
                               const std::string& method) {
    if (row_ < 1 || row_ > station_.grid.DataRowCount()) return;
    EntityRow& shown = station_.grid.DataRow(row_);
    shown.call = call;
    shown.qsoDate = date;
    shown.confirmation = method;
}

void EntryDialog::WriteEntityRow(const std::string& call, const std::string& date,
                                 const std::string& method) {
    const int index = station_.table.FindAdif(form_.adif);
    if (index == 0) return;
    EntityRow& row = station_.table.Row(index);
    row.call = call;
    row.qsoDate = date;
    row.confirmation = method;
}

void EntryDialog::UpdateCounters(const std::string& previousMethod, const std::string& call,
                                 const std::string& method) {
    Counters& counters = station_.counters;
    const bool active = !IsDeletedMark(form_.deleted);
    if (wasConfirmed_ && call.empty()) {
        --counters.toVerifyAll;
        if (active) --counters.toVerifyActive;
        if (int* count = MethodCount(counters, previousMethod)) --*count;
    } else if (!wasConfirmed_ && !call.empty()) {
        ++counters.toVerifyAll;
        if (active) ++counters.toVerifyActive;
        if (int* count = MethodCount(counters, method)) ++*count;
    } else if (wasConfirmed_ && method != previousMethod) {
        if (int* count = MethodCount(counters, previousMethod)) --*count;
        if (int* count = MethodCount(counters, method)) ++*count;
    }
}

void EntryDialog::Cancel() {
    station_.SelectRow(row_);
}

}  // namespace zorva
