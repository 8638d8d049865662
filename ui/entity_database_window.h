#pragma once

#include <QDialog>

#include "editor/entity_editor.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zorva {

// "Zarządzanie bazą podmiotów": the lines of dxcc_adif.kvt beside the entity
// fields. Handlers forward to the EntityEditor and then show its state.
class EntityDatabaseWindow : public QDialog {
    Q_OBJECT
  public:
    EntityDatabaseWindow(EditSession& session, QWidget* owner);

    // Loads the list and shows the window modally; nothing when the file is missing.
    void Run();
    // Run's first half: loads the list and fills the controls; false when the file is missing.
    bool Prepare();

    const EntityEditor& editor() const { return editor_; }
    QListWidget* EntityList() const { return entityList_; }
    QLineEdit* AdifEdit() const { return adifEdit_; }      // ADIF number
    QLineEdit* PrefixEdit() const { return prefixEdit_; }  // prefix
    QLineEdit* NameEdit() const { return nameEdit_; }      // name
    QCheckBox* DeletedCheck() const { return deletedCheck_; }
    QLabel* AdifLabel() const { return adifLabel_; }    // "ADIF"
    QLabel* StateLabel() const { return stateLabel_; }  // the counter
    QPushButton* SearchButton() const { return searchButton_; }
    QPushButton* NewEntityButton() const { return newEntityButton_; }
    QPushButton* SaveButton() const { return saveButton_; }
    QPushButton* BackButton() const { return backButton_; }

  signals:
    // A save or a typed change reached the open station's rows.
    void stationChanged();

  public slots:
    void lineChosen();
    void searchByAdif();  // "Szukaj wg ADIF"
    void newEntity();     // "Nowy podmiot"
    void saveChanges();   // "Zapisz zmiany"
    void goBack();        // "Powrót"
    void leaveNumberField();
    void numberTyped(const QString& text);
    void prefixTyped(const QString& text);
    void nameTyped(const QString& text);
    void deletedToggled(bool checked);
    // Esc and the close button ask as "Powrót" does.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildList();
    void BuildFields();
    void BuildButtons();
    // Shows the editor's list, selection, fields and counter, then its focus request.
    void ShowState();
    void ShowSelection();
    void ShowFields();
    void ApplyFocus();

    EntityEditor editor_;
    QListWidget* entityList_ = nullptr;
    QGroupBox* entityGroup_ = nullptr;
    QLineEdit* adifEdit_ = nullptr;
    QLineEdit* prefixEdit_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QCheckBox* deletedCheck_ = nullptr;
    QLabel* adifLabel_ = nullptr;
    QLabel* stateLabel_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QPushButton* newEntityButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    // Set while the window fills its own controls, so their signals are not the user's.
    bool filling_ = false;
};

}  // namespace zorva
