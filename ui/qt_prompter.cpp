#include "qt_prompter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "window_title.h"

namespace zorva {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QMessageBox::Icon QtIcon(Icon icon) {
    switch (icon) {
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return QMessageBox::Ok;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton QtButton(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return QMessageBox::Ok;
        case Answer::Yes:
            return QMessageBox::Yes;
        case Answer::No:
            return QMessageBox::No;
        case Answer::Cancel:
            return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer FirstAnswer(Buttons buttons) {
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

// The answer a dismissed box (Esc, the close button) gives.
Answer EscapeAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::No;
        case Buttons::YesNoCancel:
        case Buttons::OkCancel:
            return Answer::Cancel;
    }
    return Answer::Cancel;
}

QString WithCaseVariants(const QString& patterns) {
    QStringList out;
    for (const QString& p : patterns.split(';', Qt::SkipEmptyParts)) {
        const QString pattern = p.trimmed();
        for (const QString& variant : {pattern, pattern.toLower(), pattern.toUpper()}) {
            if (!variant.isEmpty() && !out.contains(variant)) out << variant;
        }
    }
    return out.join(' ');
}

}  // namespace

QWidget* QtPrompter::Owner() const {
    // The window the user works in owns the box, so closing the box gives it back its activation.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_;
}

QStringList QtFileFilters(const std::string& filter) {
    const QStringList parts = Q(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i].trimmed() + " (" + WithCaseVariants(parts[i + 1]) + ")";
    }
    return filters;
}

Answer QtPrompter::Show(const MessageBox& box) {
    QMessageBox dialog(QtIcon(box.icon), Q(box.caption), Q(box.text), QtButtons(box.buttons),
                       Owner());
    dialog.setTextFormat(Qt::PlainText);
    dialog.setDefaultButton(QtButton(box.defaultButton.value_or(FirstAnswer(box.buttons))));
    dialog.setEscapeButton(QtButton(EscapeAnswer(box.buttons)));
    switch (dialog.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            return EscapeAnswer(box.buttons);
    }
}

std::optional<std::string> QtPrompter::Input(const std::string& caption, const std::string& prompt,
                                             const std::string& offered) {
    QInputDialog dialog(Owner());
    dialog.setWindowTitle(Q(caption));
    dialog.setLabelText(Q(prompt));
    dialog.setTextValue(Q(offered));
    WidenForTitle(dialog);
    // The input box sizes itself to its contents, so its field carries the width.
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMinimumWidth(dialog.minimumWidth() - 24);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<std::string> QtPrompter::ChooseOpenFile(const FileChoice& choice) {
    return ChooseFile(choice, false);
}

std::optional<std::string> QtPrompter::ChooseSaveFile(const FileChoice& choice) {
    return ChooseFile(choice, true);
}

std::optional<std::string> QtPrompter::ChooseFile(const FileChoice& choice, bool save) {
    QFileDialog dialog(Owner(), Q(choice.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own question about a file that exists.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtFileFilters(choice.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.first());
    }
    const QFileInfo preset(Q(choice.presetName));
    if (!choice.presetName.empty() && preset.path() != ".") {
        dialog.setDirectory(preset.absolutePath());
    } else if (!startDirectory_.empty()) {
        dialog.setDirectory(Q(startDirectory_));
    }
    if (!choice.presetName.empty()) dialog.selectFile(preset.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // Messages show the path as the user's system writes it (backslashes on Windows).
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

}  // namespace zorva
