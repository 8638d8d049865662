#include "entry/entry_dialog.h"

#include "entry/typed_fields.h"
#include "session/undo_step.h"

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

EntryDialog::EntryDialog(EditSession& session) : session_(session) {}

bool EntryDialog::Open() {
    wasConfirmed_ = false;
    row_ = session_.View().grid.currentRow;
    modifiedBefore_ = session_.Document().IsModified();
    markBefore_ = session_.View().texts.modifiedPanel;
    if (!session_.View().grid.CurrentDataRow()) return false;
    const EntityRow& shown = session_.View().grid.DataRow(*row_);
    if (!shown.verifiedDate.empty()) {
        ShowError(session_.Questions(), kVerifiedRowRefusal);
        return false;
    }
    form_.prefix = shown.prefix;
    form_.name = shown.name;
    form_.adif = shown.adif;
    form_.deleted = shown.deleted;
    wasConfirmed_ = !shown.call.empty();
    form_.call = shown.call;
    form_.date = shown.qsoDate;
    form_.method = ConfirmationOf(shown.confirmation).value_or(Confirmation::Qsl);
    return true;
}

void EntryDialog::DateFieldChanged() {
    session_.MarkEdited();
}

EntryOutcome EntryDialog::Refuse(const std::string& refusal, EntryFocus focus) {
    ShowError(session_.Questions(), refusal);
    return {false, focus};
}

EntryOutcome EntryDialog::Accept(const std::string& typedCall, const std::string& dateField,
                                 Confirmation method) {
    const std::optional<std::string> callField = CallFieldFromTyped(typedCall);
    if (!callField) return Refuse(kCallTooLong, EntryFocus::CallField);
    EntityRow unseen;
    unseen.adif = form_.adif;
    unseen.deleted = form_.deleted;
    const bool shownInGrid = row_ && session_.View().grid.HasDataRow(*row_);
    EntityRow& shown = shownInGrid ? session_.View().grid.DataRow(*row_) : unseen;
    const bool modifiedWhileTyping = session_.Document().IsModified();
    const std::string markWhileTyping = session_.View().texts.modifiedPanel;
    // The undo step starts from the state before the dialog, not from the typing's mark.
    KeepTheMarkAsItWas();
    UndoStep step(session_, "zmiana potwierdzenia");
    const ConfirmOutcome outcome =
        session_.Document().ConfirmShownRow(shown, *callField, dateField, method);
    if (wasConfirmed_ && shown.call.empty()) step.Rename("usunięcie potwierdzenia");
    if (!outcome.ok()) {
        session_.Document().SetModified(modifiedWhileTyping);
        session_.View().texts.modifiedPanel = markWhileTyping;
        return Refuse(OutcomeMessage(outcome), FocusOn(outcome.field));
    }
    if (outcome.changed) session_.MarkEdited();
    session_.ShowStatusCounters(kPanelToVerify | kPanelTotal | kPanelQslLotw);
    return {true, EntryFocus::Unchanged};
}

void EntryDialog::Cancel() {
    session_.View().grid.currentRow = row_;
    KeepTheMarkAsItWas();
}

void EntryDialog::KeepTheMarkAsItWas() {
    session_.Document().SetModified(modifiedBefore_);
    session_.View().texts.modifiedPanel = markBefore_;
}

}  // namespace zorva
