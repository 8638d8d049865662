#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "ports/prompter.h"

namespace zorva {

// The desktop's dialogues: Qt's message box, input box and file dialogs.
class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    // The window the dialogs are centred on; may change once the main window exists.
    void SetParentWidget(QWidget* parent) { parent_ = parent; }
    // Where a file dialog opens when the preset name carries no folder.
    void SetStartDirectory(const std::string& dir) { startDirectory_ = dir; }

    Answer Show(const MessageBox& box) override;
    std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                     const std::string& offered) override;
    std::optional<std::string> ChooseOpenFile(const FileChoice& choice) override;
    std::optional<std::string> ChooseSaveFile(const FileChoice& choice) override;

  private:
    QWidget* Owner() const;
    std::optional<std::string> ChooseFile(const FileChoice& choice, bool save);

    QPointer<QWidget> parent_;
    std::string startDirectory_;
};

// "label|pattern|label|pattern" as Qt's "label (patterns);;label (patterns)".
// Each pattern is offered in its own, lower and upper case, since Linux file
// names are case-sensitive and "*.TXT" must still find "sp5abc.txt".
QStringList QtFileFilters(const std::string& filter);

}  // namespace zorva
