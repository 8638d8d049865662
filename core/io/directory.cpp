#include "io/directory.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace zorva {
namespace {

IoStatus MakeOne(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) == 0) return IoStatus::Ok();
    const int err = errno;
    if (err == EEXIST && IsDirectory(path)) return IoStatus::Ok();
    return IoStatus::System(IoStep::CreateFolder, path, err);
}

}  // namespace

IoStatus MakeDirectories(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        if (IoStatus s = MakeOne(path.substr(0, slash)); !s.ok()) return s;
    }
    if (path.empty() || path.back() == '/') return IoStatus::Ok();
    return MakeOne(path);
}

FileNames ListFileNames(const std::string& dir) {
    FileNames result;
    DIR* stream = ::opendir(dir.c_str());
    if (stream == nullptr) {
        if (errno != ENOENT) result.status = IoStatus::System(IoStep::ReadFolder, dir, errno);
        return result;
    }
    errno = 0;
    while (const dirent* entry = ::readdir(stream)) {
        const std::string name = entry->d_name;
        if (FileExists(JoinPath(dir, name))) result.names.push_back(name);
        errno = 0;
    }
    if (errno != 0) {
        result.status = IoStatus::System(IoStep::ReadFolder, dir, errno);
        result.names.clear();
    }
    ::closedir(stream);
    return result;
}

}  // namespace zorva
