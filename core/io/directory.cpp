#include "io/directory.h"

#include <cerrno>

#include "io/file_calls.h"

namespace zorva {
namespace {

IoStatus MakeOne(const std::string& path, unsigned mode) {
    if (sys::MakeDirectory(path, mode)) return IoStatus::Ok();
    const int err = errno;
    // A drive ("C:") or a folder the user may not create in may already be there.
    if (IsDirectory(path)) return IoStatus::Ok();
    return IoStatus::System(IoStep::CreateFolder, path, err);
}

}  // namespace

IoStatus MakeDirectories(const std::string& path, unsigned mode) {
    for (size_t slash = path.find_first_of(sys::kPathSeparators, 1); slash != std::string::npos;
         slash = path.find_first_of(sys::kPathSeparators, slash + 1)) {
        if (IoStatus s = MakeOne(path.substr(0, slash), mode); !s.ok()) return s;
    }
    if (path.empty() || sys::kPathSeparators.find(path.back()) != std::string_view::npos)
        return IoStatus::Ok();
    return MakeOne(path, mode);
}

FileNames ListFileNames(const std::string& dir) {
    FileNames result;
    std::vector<std::string> names;
    if (!sys::ListDirectory(dir, names)) {
        if (errno != ENOENT) result.status = IoStatus::System(IoStep::ReadFolder, dir, errno);
        return result;
    }
    for (const std::string& name : names)
        if (FileExists(JoinPath(dir, name))) result.names.push_back(name);
    return result;
}

}  // namespace zorva
