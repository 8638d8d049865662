#pragma once

#include <string>
#include <vector>

#include "session/edit_session.h"

namespace zorva {

inline constexpr const char* kEditorCaption = "Zarządzanie bazą podmiotów";

// The controls that a command may hand the keyboard focus to.
enum class EditorField { None, Number, Prefix, Name, List };

// The entity database editor: the lines of dxcc_adif.kvt, the entity fields
// and the commands of its window. A save rewrites the reference file (keeping
// dxcc_adif.kvt~) and carries the change into the open session. The window
// shows what the getters hold after each call; all dialogue runs through the
// station's prompter.
class EntityEditor {
  public:
    explicit EntityEditor(EditSession& session);

    // Loads the list and empties the fields. False when the window must not
    // open; the reason was shown.
    bool Open();

    // --- what the window shows ---
    const std::vector<std::string>& Lines() const { return lines_; }
    int SelectedLine() const { return selected_; }  // 0-based; -1: none
    std::string CounterText() const;                // active "/" all, e.g. "340/396"
    int ActiveCount() const;
    const std::string& Number() const { return number_; }
    const std::string& Prefix() const { return prefix_; }
    const std::string& Name() const { return name_; }
    bool Deleted() const { return deleted_; }
    bool NewEntityMode() const { return newEntityMode_; }
    bool NumberReadOnly() const { return !newEntityMode_; }
    bool HasUnsavedTyping() const { return typed_; }
    // Where the last command put the focus; cleared by reading it.
    EditorField TakeFocus();

    // --- the user's typing (the window's own filling does not count) ---
    void TypeNumber(const std::string& text);  // digits only, at most 3; ignored while read-only
    void TypePrefix(const std::string& text);  // upper-cased, at most 5 characters
    void TypeName(const std::string& text);    // at most 24 characters
    void SetDeleted(bool deleted) { deleted_ = deleted; }

    // --- commands ---
    void SelectLine(int index);  // the user's selection; -1: none
    void SearchByAdif();         // "Szukaj wg ADIF"
    void NewEntity();            // "Nowy podmiot"
    // Leaving the number field. True when the number is taken: that line is
    // selected and the focus goes back to the number field.
    bool LeaveNumberField();
    // "Zapisz zmiany"; true when the file and the station were changed. The list
    // is read again under the file's lock and the change applied to it.
    bool Save();
    bool Close();  // "Powrót"; true when the window closes

  private:
    bool ReadLines();
    void LoadFields(int index);
    void EmptyFields();
    bool Refuse(const std::string& text, EditorField focus);
    bool CheckBeforeSave();
    std::string NewKey() const;
    void CarryIntoTable(const std::string& key, const std::string& prefix, const std::string& name);

    EditSession& session_;
    std::vector<std::string> lines_;
    int selected_ = -1;
    std::string number_, prefix_, name_;
    bool deleted_ = false;
    bool newEntityMode_ = false;
    bool typed_ = false;
    EditorField focus_ = EditorField::None;
};

}  // namespace zorva
