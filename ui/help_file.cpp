#include "help_file.h"

#include <QDesktopServices>

#include "io/file_system.h"

namespace zorva {

UrlOpener DesktopUrlOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

std::string FindHelpFile(const std::string& programDir, const std::string& executableDir) {
    for (const std::string& dir : {programDir, executableDir}) {
        if (dir.empty()) continue;
        const std::string path = JoinPath(dir, kHelpFileName);
        if (FileExists(path)) return path;
    }
    return {};
}

void OpenHelpFile(Prompter& prompter, const std::string& programDir, const std::string& executableDir,
                  const UrlOpener& open) {
    const std::string path = FindHelpFile(programDir, executableDir);
    if (path.empty()) {
        ShowError(prompter, "Nie znaleziono pliku pomocy:\n" + JoinPath(programDir, kHelpFileName));
        return;
    }
    if (!open(QUrl::fromLocalFile(QString::fromStdString(path))))
        ShowError(prompter, "Nie można otworzyć pliku pomocy:\n" + path +
                                "\nBrak programu do przeglądania stron HTML.");
}

}  // namespace zorva
