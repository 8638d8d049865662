#include "editor/entity_editor.h"

#include <algorithm>
#include <utility>

#include "editor/editor_line.h"
#include "editor/reference_rewrite.h"
#include "files/file_messages.h"
#include "files/reference_file.h"
#include "io/file_lock.h"
#include "io/file_system.h"
#include "io/text_file.h"
#include "session/undo_step.h"
#include "text/columns.h"
#include "text/typed_value.h"
#include "text/utf8.h"

namespace zorva {
namespace {

constexpr const char* kChooseEntity = "Wybierz podmiot DXCC do aktualizacji!";
constexpr const char* kReferenceUnchanged = "\n\nPlik wzorcowy nie został zmieniony.";
constexpr const char* kTaken = "Podmiot o takim numerze już istnieje w bazie!";

std::string Cut(const std::string& text, size_t characters) {
    return SubChars(text, 0, characters);
}

bool HasNonDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c < '0' || c > '9'; });
}

// The first line whose number stands exactly as given, blanks included, or -1.
int FindExactNumber(const std::vector<std::string>& lines, const std::string& number) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (LineNumber(lines[i]) == number) return static_cast<int>(i);
    return -1;
}

}  // namespace

EntityEditor::EntityEditor(EditSession& session) : session_(session) {}

bool EntityEditor::ReadLines() {
    lines_.clear();
    const std::string path = session_.Document().ReferencePath();
    if (!FileExists(path)) {
        ShowError(session_.Questions(), MissingReferenceMessage(path));
        return false;
    }
    TextLines read = ReadTextLines(path);
    if (!read.ok()) {
        ShowError(session_.Questions(), FileErrorMessage(read.status));
        return false;
    }
    for (auto& line : read.lines)
        if (!line.empty()) lines_.push_back(std::move(line));
    if (selected_ >= static_cast<int>(lines_.size())) selected_ = -1;
    return true;
}

bool EntityEditor::Open() {
    if (!ReadLines()) return false;
    EmptyFields();
    deleted_ = false;
    newEntityMode_ = false;
    focus_ = EditorField::None;
    return true;
}

int EntityEditor::ActiveCount() const {
    return static_cast<int>(std::count_if(lines_.begin(), lines_.end(),
                                          [](const std::string& l) { return !LineIsDeleted(l); }));
}

std::string EntityEditor::CounterText() const {
    return ToDecimal(ActiveCount()) + "/" + ToDecimal(static_cast<long long>(lines_.size()));
}

EditorField EntityEditor::TakeFocus() {
    return std::exchange(focus_, EditorField::None);
}

void EntityEditor::TypeNumber(const std::string& text) {
    if (NumberReadOnly()) return;
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9' && digits.size() < 3) digits.push_back(c);
    number_ = digits;
    typed_ = true;
}

void EntityEditor::TypePrefix(const std::string& text) {
    prefix_ = Cut(ToUpperText(text), 5);
    typed_ = true;
}

void EntityEditor::TypeName(const std::string& text) {
    name_ = Cut(text, 24);
    typed_ = true;
}

void EntityEditor::EmptyFields() {
    number_.clear();
    prefix_.clear();
    name_.clear();
    typed_ = false;
}

void EntityEditor::LoadFields(int index) {
    const std::string& line = lines_.at(static_cast<size_t>(index));
    selected_ = index;
    number_ = LineNumber(line);
    prefix_ = LinePrefix(line);
    name_ = LineName(line);
    deleted_ = LineIsDeleted(line);
    typed_ = false;
}

void EntityEditor::SelectLine(int index) {
    if (index < 0 || index >= static_cast<int>(lines_.size())) {
        ShowError(session_.Questions(), kChooseEntity);
        return;
    }
    LoadFields(index);
}

void EntityEditor::SearchByAdif() {
    for (;;) {
        auto answer = session_.Questions().Input("Szukanie Podmiotu wg ADIF", "Numer ADIF", "");
        if (!answer || answer->empty()) return;
        const std::string wanted = Trim(*answer);
        if (HasNonDigit(wanted)) {
            ShowError(session_.Questions(), "Można wprowadzać tylko cyfry!");
            continue;
        }
        int found = FindNumberText(lines_, wanted);
        if (found < 0) {
            session_.Questions().Show({"Szukany podmiot nie został znaleziony!",
                                       "Koniec szukania",
                                       Icon::Warning,
                                       Buttons::Ok,
                                       {}});
            return;
        }
        LoadFields(found);
        return;
    }
}

void EntityEditor::NewEntity() {
    newEntityMode_ = true;
    EmptyFields();
    focus_ = EditorField::Number;
}

bool EntityEditor::LeaveNumberField() {
    if (!newEntityMode_) return false;
    const std::string number = Trim(number_);
    if (!AllDigits(number)) return false;
    int taken = FindNumberValue(lines_, number);
    if (taken < 0) return false;
    selected_ = taken;
    Refuse(kTaken, EditorField::Number);
    return true;
}

bool EntityEditor::Refuse(const std::string& text, EditorField focus) {
    ShowError(session_.Questions(), text);
    focus_ = focus;
    return false;
}

bool EntityEditor::CheckBeforeSave() {
    if (Trim(prefix_).empty())
        return Refuse("Pole prefiksu nie może być puste!", EditorField::Prefix);
    if (Trim(name_).empty())
        return Refuse("Pole nazwy podmiotu nie może być puste!", EditorField::Name);
    // A line break or tab would split or shift the line in both files.
    if (auto symbol = ControlSymbol(prefix_))
        return Refuse(
            "Pole prefiksu zawiera " + *symbol + ", którego nie można zapisać w pliku wzorcowym!",
            EditorField::Prefix);
    if (auto symbol = ControlSymbol(name_))
        return Refuse("Pole nazwy podmiotu zawiera " + *symbol +
                          ", którego nie można zapisać w pliku wzorcowym!",
                      EditorField::Name);
    const std::string number = Trim(number_);
    if (!newEntityMode_) {
        // Nothing loaded: a line without a number must never reach the file.
        if (number.empty() || FindExactNumber(lines_, number_) < 0)
            return Refuse(kChooseEntity, EditorField::List);
        return true;
    }
    if (number.empty())
        return Refuse("Należy podać numer ADIF dla nowego podmiotu!!", EditorField::Number);
    if (!AllDigits(number) || WithoutLeadingZeros(number) == "0")
        return Refuse("Numer ADIF musi być większy od zera!", EditorField::Number);
    int taken = FindNumberValue(lines_, number);
    if (taken >= 0) {
        selected_ = taken;
        return Refuse(kTaken, EditorField::Number);
    }
    return true;
}

// A new entity's number, right-aligned in three columns without leading zeros.
std::string EntityEditor::NewKey() const {
    return PadLeft(WithoutLeadingZeros(Trim(number_)), 3);
}

bool EntityEditor::Save() {
    focus_ = EditorField::None;
    const std::string path = session_.Document().ReferencePath();
    FileLock lock = FileLock::Acquire(path, kStationLockPatience);
    if (!lock.Held()) {
        ShowError(session_.Questions(), FileErrorMessage(lock.Problem()) + kReferenceUnchanged);
        return false;
    }
    // The change goes onto the list as it is now: another program may have saved
    // its own since this one was read.
    if (!ReadLines() || !CheckBeforeSave()) return false;
    // Leading or trailing blanks would make the station's row differ from the
    // file's trimmed columns at the next load.
    const std::string prefix = Trim(prefix_);
    const std::string name = Trim(name_);
    const std::string key = newEntityMode_ ? NewKey() : Columns("   " + number_, number_.size(), 3);

    std::vector<std::string> updated = lines_;
    if (!newEntityMode_) updated.erase(updated.begin() + FindExactNumber(updated, number_));
    const size_t place = PrefixPlace(updated, prefix);
    updated.insert(updated.begin() + static_cast<long>(place),
                   BuildEditorLine(key, deleted_, prefix, name));

    IoStatus written = RewriteWithBackup(path, updated);
    if (!written.ok()) {
        ShowError(session_.Questions(), FileErrorMessage(written) + kReferenceUnchanged);
        return false;
    }
    lines_ = std::move(updated);
    selected_ = static_cast<int>(place);

    const bool added = newEntityMode_;
    if (session_.Document().Table().HasElements()) {
        UndoStep step(session_, "zmiana bazy podmiotów");
        CarryIntoTable(key, prefix, name);
        session_.ShowStatusCounters(kAllPanels);
        session_.MarkModified();
        session_.ReapplyView();
    }
    EmptyFields();
    ShowInformation(session_.Questions(), added ? "Podmiot został dodany do bazy!"
                                                : "Dane o Podmiocie zostały zmodyfikowane!");
    newEntityMode_ = false;
    return true;
}

void EntityEditor::CarryIntoTable(const std::string& key, const std::string& prefix,
                                  const std::string& name) {
    EntityRow entity;
    // A changed entity is found by its number as the list holds it.
    entity.adif = newEntityMode_ ? key : number_;
    entity.deleted = deleted_ ? "D" : "";
    entity.prefix = prefix;
    entity.name = name;
    session_.Document().ApplyEntityChange(entity, newEntityMode_);
}

bool EntityEditor::Close() {
    if (!typed_) return true;
    Answer answer = AskWarning(session_.Questions(),
                               "Zmiany  nie  zostały  zapisane.\nCzy zapisać dokonane zmiany?",
                               Buttons::YesNoCancel);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) Save();
    return true;
}

}  // namespace zorva
