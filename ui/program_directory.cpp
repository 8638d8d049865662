#include "program_directory.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "io/file_system.h"

namespace zorva {
namespace {

constexpr const char* kReferenceFileName = "dxcc_adif.kvt";

bool IsWritableDirectory(const std::string& dir) {
    return IsDirectory(dir) && ::access(dir.c_str(), W_OK) == 0;
}

void SeedFrom(const QString& shareDir, const QString& target) {
    const QDir share(shareDir);
    if (!share.exists()) return;
    for (const QString& name : share.entryList(QDir::Files)) {
        const std::string to = QDir(target).filePath(name).toStdString();
        if (!FileExists(to)) CopyFile(share.filePath(name).toStdString(), to);
    }
}

}  // namespace

std::string ChooseProgramDirectory(const std::string& executableDir, const std::string& userDataDir) {
    if (FileExists(JoinPath(executableDir, kReferenceFileName)) && IsWritableDirectory(executableDir)) {
        return executableDir;
    }
    const QString target = QString::fromStdString(userDataDir);
    QDir().mkpath(target);
    SeedFrom(QDir(QString::fromStdString(executableDir)).filePath("../share/zorva_rade"), target);
    return userDataDir;
}

std::string ProgramDirectory() {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return ChooseProgramDirectory(QCoreApplication::applicationDirPath().toStdString(),
                                  QDir(dataHome).filePath("zorva_rade").toStdString());
}

}  // namespace zorva
