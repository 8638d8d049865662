#include "io/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "io/atomic_file_writer.h"
#include "io/posix_calls.h"

namespace zorva {
bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsWritableDirectory(const std::string& path) {
    return IsDirectory(path) && ::access(path.c_str(), W_OK) == 0;
}

bool IsReadOnly(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

IoStatus ClearReadOnly(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return IoStatus::System(IoStep::ReadAttributes, path, errno);
    if (::chmod(path.c_str(), st.st_mode | S_IWUSR) != 0)
        return IoStatus::System(IoStep::ChangeAttributes, path, errno);
    return IoStatus::Ok();
}

ReadResult ReadWholeFile(const std::string& path) {
    ReadResult result;
    int fd = posix::OpenChecked(path.c_str(), O_RDONLY);
    if (fd < 0) {
        result.status = IoStatus::System(IoStep::Open, path, errno);
        return result;
    }
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = posix::Read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.status = IoStatus::System(IoStep::Read, path, errno);
            result.bytes.clear();
            break;
        }
        if (n == 0) break;
        result.bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return result;
}

IoStatus WriteFileAtomic(const std::string& path, std::string_view bytes) {
    AtomicFileWriter writer(path);
    if (IoStatus s = writer.Open(); !s.ok()) return s;
    if (IoStatus s = writer.Write(bytes); !s.ok()) return s;
    return writer.Commit();
}

IoStatus RenameFile(const std::string& from, const std::string& to) {
    if (posix::Injected(FileOp::Rename) || ::rename(from.c_str(), to.c_str()) != 0)
        return IoStatus::System(IoStep::Rename, from, errno);
    return IoStatus::Ok();
}

IoStatus RemoveFile(const std::string& path) {
    if (posix::Injected(FileOp::Remove) || ::unlink(path.c_str()) != 0)
        return IoStatus::System(IoStep::Remove, path, errno);
    return IoStatus::Ok();
}

IoStatus CopyFile(const std::string& from, const std::string& to) {
    ReadResult source = ReadWholeFile(from);
    if (!source.ok()) return source.status;
    return WriteFileAtomic(to, source.bytes);
}

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return "./";
    return path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

}  // namespace zorva
