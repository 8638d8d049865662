#pragma once

#include <QDialog>

#include "station/entity_search.h"

class QLineEdit;
class QPushButton;

namespace zorva {

// "Szukanie podmiotu": a modeless window beside the grid; each "Znajdź" moves the
// grid's selection to the next entity whose name holds the typed text.
class SearchDialog : public QDialog {
    Q_OBJECT
  public:
    SearchDialog(Station& station, QWidget* owner);

    // "Szukanie" in the main window: warns when not every entity is shown, then shows the window.
    void Open();
    const EntitySearch& Search() const { return search_; }
    QLineEdit* TextEdit() const { return textEdit_; }

  signals:
    // The search moved the grid's current row or emptied its typed prefix.
    void stationChanged();

  public slots:
    void findNext();
    void clearText();
    void goBack();
    void textTyped(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Reset();
    void Place();
    // Enter and Esc in the text field; true when the key was used.
    bool TextFieldKey(int key);
    void Show(EntitySearch::Outcome outcome);

    EntitySearch search_;
    QLineEdit* textEdit_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
};

}  // namespace zorva
