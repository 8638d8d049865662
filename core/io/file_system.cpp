#include "io/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "io/fault_injection.h"

namespace zorva {
namespace {

std::string Reason(int err) { return std::strerror(err); }

IoStatus Failure(const std::string& what, const std::string& path, int err) {
    return IoStatus{what + " " + path + ":\n" + Reason(err)};
}

// Every system call of the file layer passes here, so tests can make any of them fail.
bool Injected(FileOp op) {
    if (!fault_injection::ShouldFail(op)) return false;
    errno = EIO;
    return true;
}

int OpenChecked(const char* path, int flags, mode_t mode = 0) {
    if (Injected(FileOp::Open)) return -1;
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        if (Injected(FileOp::Write)) return false;
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsReadOnly(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

IoStatus ClearReadOnly(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Failure("Nie można odczytać atrybutów pliku", path, errno);
    if (::chmod(path.c_str(), st.st_mode | S_IWUSR) != 0)
        return Failure("Nie można zmienić atrybutów pliku", path, errno);
    return IoStatus::Ok();
}

ReadResult ReadWholeFile(const std::string& path) {
    ReadResult result;
    int fd = OpenChecked(path.c_str(), O_RDONLY);
    if (fd < 0) {
        result.error = Failure("Nie można otworzyć pliku", path, errno).error;
        return result;
    }
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.error = Failure("Błąd odczytu pliku", path, errno).error;
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
    std::string temp = path + ".tmp~XXXXXX";
    int fd = -1;
    if (!Injected(FileOp::Open)) fd = ::mkstemp(temp.data());
    if (fd < 0) return Failure("Nie można utworzyć pliku", path, errno);
    ::fchmod(fd, 0644);
    const auto fail = [&](const char* what) {
        int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return Failure(what, path, err);
    };
    if (!WriteAll(fd, bytes)) return fail("Błąd zapisu pliku");
    if (Injected(FileOp::Flush) || ::fsync(fd) != 0) return fail("Błąd zapisu na dysk pliku");
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return Failure("Błąd zapisu pliku", path, err);
    }
    if (Injected(FileOp::Rename) || ::rename(temp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return Failure("Nie można zapisać pliku", path, err);
    }
    // Make the rename itself durable.
    int dirFd = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return IoStatus::Ok();
}

IoStatus RenameFile(const std::string& from, const std::string& to) {
    if (Injected(FileOp::Rename) || ::rename(from.c_str(), to.c_str()) != 0)
        return Failure("Nie można zmienić nazwy pliku", from, errno);
    return IoStatus::Ok();
}

IoStatus RemoveFile(const std::string& path) {
    if (Injected(FileOp::Remove) || ::unlink(path.c_str()) != 0)
        return Failure("Nie można usunąć pliku", path, errno);
    return IoStatus::Ok();
}

IoStatus CopyFile(const std::string& from, const std::string& to) {
    ReadResult source = ReadWholeFile(from);
    if (!source.ok()) return IoStatus{source.error};
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
