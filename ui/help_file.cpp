#include "help_file.h"

#include <QDesktopServices>

#include "io/file_system.h"

namespace zorva {

UrlOpener DesktopUrlOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

void OpenHelpFile(Prompter& prompter, const std::string& programDir, const UrlOpener& open) {
    const std::string path = JoinPath(programDir, kHelpFileName);
    if (!FileExists(path)) {
        ShowError(prompter, "Nie znaleziono pliku pomocy:\n" + path);
        return;
    }
    if (!open(QUrl::fromLocalFile(QString::fromStdString(path))))
        ShowError(prompter, "Nie można otworzyć pliku pomocy:\n" + path +
                                "\nBrak programu do przeglądania stron HTML.");
}

}  // namespace zorva
