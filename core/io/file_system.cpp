#include "io/file_system.h"

#include <fcntl.h>

#include <cerrno>
#include <limits>

#include "io/atomic_file_writer.h"
#include "io/bounded_read.h"
#include "io/file_calls.h"

namespace zorva {
bool FileExists(const std::string& path) {
    return sys::TypeOf(path) == sys::PathType::File;
}

bool IsDirectory(const std::string& path) {
    return sys::TypeOf(path) == sys::PathType::Directory;
}

bool IsWritableDirectory(const std::string& path) {
    return IsDirectory(path) && sys::CanWriteIn(path);
}

bool IsReadOnly(const std::string& path) {
    return sys::IsReadOnly(path);
}

IoStatus ClearReadOnly(const std::string& path) {
    if (sys::TypeOf(path) == sys::PathType::Missing)
        return IoStatus::System(IoStep::ReadAttributes, path, errno);
    if (!sys::ClearReadOnly(path)) return IoStatus::System(IoStep::ChangeAttributes, path, errno);
    return IoStatus::Ok();
}

ReadResult ReadWholeFile(const std::string& path) {
    return ReadFileUpTo(path, std::numeric_limits<std::size_t>::max() - 1);
}

IoStatus WriteFileAtomic(const std::string& path, std::string_view bytes) {
    return WriteFileAtomic(path, bytes, AtomicWriteOptions{});
}

IoStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                         const AtomicWriteOptions& options) {
    AtomicFileWriter writer(path, options);
    if (IoStatus s = writer.Open(); !s.ok()) return s;
    if (IoStatus s = writer.Write(bytes); !s.ok()) return s;
    return writer.Commit();
}

IoStatus RemoveFile(const std::string& path) {
    if (!sys::Remove(path)) return IoStatus::System(IoStep::Remove, path, errno);
    return IoStatus::Ok();
}

IoStatus CopyFile(const std::string& from, const std::string& to) {
    ReadResult source = ReadWholeFile(from);
    if (!source.ok()) return source.status;
    return WriteFileAtomic(to, source.bytes);
}

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.find_last_of(sys::kPathSeparators);
    if (slash == std::string::npos) return "./";
    return path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    size_t slash = path.find_last_of(sys::kPathSeparators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (sys::kPathSeparators.find(dir.back()) != std::string_view::npos) return dir + name;
    const size_t last = dir.find_last_of(sys::kPathSeparators);
    return dir + (last == std::string::npos ? sys::kPathSeparators[0] : dir[last]) + name;
}

}  // namespace zorva
