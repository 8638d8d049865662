#include "entry/entry_dialog.h"

#include "entry/typed_fields.h"
#include "station/undo_step.h"

namespace zorva {
namespace {

EntryFocus FocusOn(FaultyField field) {
    switch (field) {
        case FaultyField::Call:
            return EntryFocus::CallField;
        case FaultyField::Date:
            return EntryFocus::DateField;
        case FaultyField::None:
            break;
    }
    return EntryFocus::Unchanged;
}

}  // namespace

EntryDialog::EntryDialog(Station& station) : station_(station) {}

bool EntryDialog::Open() {
    wasConfirmed_ = false;
    row_ = station_.View().grid.currentRow;
    modifiedBefore_ = station_.Document().IsModified();
    markBefore_ = station_.View().texts.modifiedPanel;
    if (!station_.View().grid.CurrentDataRow()) return false;
    const EntityRow& shown = station_.View().grid.DataRow(*row_);
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
    form_.method =
        shown.confirmation == "LoTW" ? ConfirmationMethod::Lotw : ConfirmationMethod::Qsl;
    return true;
}

void EntryDialog::DateFieldChanged() {
    station_.MarkEdited();
}

EntryOutcome EntryDialog::Refuse(const std::string& refusal, EntryFocus focus) {
    ShowError(station_.prompter, refusal);
    return {false, focus};
}

EntryOutcome EntryDialog::Accept(const std::string& typedCall, const std::string& dateField,
                                 ConfirmationMethod method) {
    const std::optional<std::string> callField = CallFieldFromTyped(typedCall);
    if (!callField) return Refuse(kCallTooLong, EntryFocus::CallField);
    EntityRow unseen;
    unseen.adif = form_.adif;
    unseen.deleted = form_.deleted;
    const bool shownInGrid = row_ && station_.View().grid.HasDataRow(*row_);
    EntityRow& shown = shownInGrid ? station_.View().grid.DataRow(*row_) : unseen;
    const bool modifiedWhileTyping = station_.Document().IsModified();
    const std::string markWhileTyping = station_.View().texts.modifiedPanel;
    // The undo step starts from the state before the dialog, not from the typing's mark.
    KeepTheMarkAsItWas();
    UndoStep step(station_, "zmiana potwierdzenia");
    const ConfirmOutcome outcome =
        station_.Document().ConfirmShownRow(shown, *callField, dateField, method);
    if (wasConfirmed_ && shown.call.empty()) step.Rename("usunięcie potwierdzenia");
    if (!outcome.ok()) {
        station_.Document().SetModified(modifiedWhileTyping);
        station_.View().texts.modifiedPanel = markWhileTyping;
        return Refuse(outcome.refusal, FocusOn(outcome.field));
    }
    if (outcome.changed) station_.MarkEdited();
    station_.ShowStatusCounters(kPanelToVerify | kPanelTotal | kPanelQslLotw);
    return {true, EntryFocus::Unchanged};
}

void EntryDialog::Cancel() {
    station_.View().grid.currentRow = row_;
    KeepTheMarkAsItWas();
}

void EntryDialog::KeepTheMarkAsItWas() {
    station_.Document().SetModified(modifiedBefore_);
    station_.View().texts.modifiedPanel = markBefore_;
}

}  // namespace zorva
