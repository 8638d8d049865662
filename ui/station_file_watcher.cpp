#include "station_file_watcher.h"

#include <QFile>

namespace zorva {

StationFileWatcher::StationFileWatcher(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        Rewatch();
        emit Changed();
    });
}

void StationFileWatcher::Watch(const std::string& path) {
    const QString wanted = QString::fromStdString(path);
    if (wanted == path_ && watcher_.files().contains(path_)) return;
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    path_ = wanted;
    Rewatch();
}

void StationFileWatcher::Rewatch() {
    if (!path_.isEmpty() && !watcher_.files().contains(path_) && QFile::exists(path_))
        watcher_.addPath(path_);
}

}  // namespace zorva
