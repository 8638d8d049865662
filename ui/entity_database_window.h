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

class MainWindow;

// "Zarządzanie bazą podmiotów": the lines of dxcc_adif.kvt beside the entity
// fields. Handlers forward to the EntityEditor and then show its state.
class EntityDatabaseWindow : public QDialog {
    Q_OBJECT
  public:
    explicit EntityDatabaseWindow(MainWindow& mainWindow);

    // Loads the list and shows the window modally; nothing when the file is missing.
    void Run();
    // Run's first half: loads the list and fills the controls; false when the file is missing.
    bool Prepare();

    const EntityEditor& editor() const { return editor_; }
    QListWidget* ListBox1() const { return ListBox1_; }
    QLineEdit* Edit1() const { return Edit1_; }  // ADIF number
    QLineEdit* Edit2() const { return Edit2_; }  // prefix
    QLineEdit* Edit3() const { return Edit3_; }  // name
    QCheckBox* CheckBox1() const { return CheckBox1_; }
    QLabel* Label1() const { return Label1_; }  // "ADIF"
    QLabel* Label5() const { return Label5_; }  // the counter
    QPushButton* Button1() const { return Button1_; }
    QPushButton* Button2() const { return Button2_; }
    QPushButton* Button3() const { return Button3_; }
    QPushButton* Button4() const { return Button4_; }

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
    void AfterSave();

    MainWindow& main_;
    EntityEditor editor_;
    QListWidget* ListBox1_ = nullptr;
    QGroupBox* GroupBox1_ = nullptr;
    QLineEdit* Edit1_ = nullptr;
    QLineEdit* Edit2_ = nullptr;
    QLineEdit* Edit3_ = nullptr;
    QCheckBox* CheckBox1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label5_ = nullptr;
    QPushButton* Button1_ = nullptr;
    QPushButton* Button2_ = nullptr;
    QPushButton* Button3_ = nullptr;
    QPushButton* Button4_ = nullptr;
    // Set while the window fills its own controls, so their signals are not the user's.
    bool filling_ = false;
};

}  // namespace zorva
