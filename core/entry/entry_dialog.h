#pragma once

#include <optional>
#include <string>

#include "document/entity_fields.h"
#include "session/edit_session.h"

namespace zorva {

// Where the keyboard focus goes after "Zatwierdź" was refused.
enum class EntryFocus { Unchanged, CallField, DateField };

// What the dialog shows when it opens: the two fields, the method and the read-only panel.
struct EntryForm {
    std::string call;
    std::string date;
    Confirmation method = Confirmation::Qsl;
    std::string adif;
    std::string deleted;
    std::string prefix;
    std::string name;
};

struct EntryOutcome {
    bool accepted = false;  // written; the dialog closes
    EntryFocus focus = EntryFocus::Unchanged;
};

// The entry dialog's rules: the front end shows the form, forwards the
// fields as they read and closes when a confirmation was accepted.
class EntryDialog {
  public:
    explicit EntryDialog(EditSession& session);

    // Opens for the grid's current row. False when there is no data row to
    // edit or the row is verified (the refusal has been shown).
    bool Open();

    const EntryForm& Form() const { return form_; }
    // The row was confirmed when the dialog opened.
    bool WasConfirmed() const { return wasConfirmed_; }

    // Any change of the date field's text after the dialog was filled.
    void DateFieldChanged();

    // "Zatwierdź": typedCall is the call as typed (see typed_fields.h),
    // dateField the date field's 10 characters, blanks where nothing was typed.
    EntryOutcome Accept(const std::string& typedCall, const std::string& dateField,
                        Confirmation method);

    // "Anuluj".
    void Cancel();

  private:
    EntryOutcome Refuse(const std::string& refusal, EntryFocus focus);
    // Typing marks the data modified at once; a dialog that changed nothing takes the mark back.
    void KeepTheMarkAsItWas();

    EditSession& session_;
    bool modifiedBefore_ = false;
    std::string markBefore_;
    EntryForm form_;
    bool wasConfirmed_ = false;
    std::optional<int> row_;  // the grid row the dialog was opened on
};

}  // namespace zorva
