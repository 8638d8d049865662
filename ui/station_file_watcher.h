#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <string>

namespace zorva {

// Reports changes to the open station file. A save by any program replaces the
// file, and the system then stops watching the name, so it is watched anew.
class StationFileWatcher : public QObject {
    Q_OBJECT
  public:
    explicit StationFileWatcher(QObject* parent = nullptr);

    // Watches path from now on (an empty path: nothing).
    void Watch(const std::string& path);

  signals:
    void Changed();

  private:
    void Rewatch();

    QFileSystemWatcher watcher_;
    QString path_;
};

}  // namespace zorva
