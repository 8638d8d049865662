#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "io/file_calls.h"

namespace zorva::sys {

const std::string_view kPathSeparators = "/";

const int kQuotaExceeded = EDQUOT;

namespace {

// True when the test switch fails this operation (errno is then the armed one).
bool Injected(FileOp op) {
    if (!fault_injection::ShouldFail(op)) return false;
    errno = fault_injection::ArmedErrno();
    return true;
}

}  // namespace

int Open(const std::string& path, int flags, int mode) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode));
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int OpenChecked(const std::string& path, int flags, int mode) {
    if (Injected(FileOp::Open)) return -1;
    return Open(path, flags, mode);
}

ssize_t Read(int fd, void* buffer, size_t size) {
    if (Injected(FileOp::Read)) return -1;
    return ::read(fd, buffer, size);
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

bool Flush(int fd) {
    if (Injected(FileOp::Flush)) return false;
    return ::fsync(fd) == 0;
}

int Close(int fd) {
    return ::close(fd);
}

bool Rename(const std::string& from, const std::string& to) {
    if (Injected(FileOp::Rename)) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool Remove(const std::string& path) {
    if (Injected(FileOp::Remove)) return false;
    return Discard(path);
}

bool Discard(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

PathType TypeOf(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return PathType::Missing;
    if (S_ISREG(st.st_mode)) return PathType::File;
    return S_ISDIR(st.st_mode) ? PathType::Directory : PathType::Other;
}

bool CanWriteIn(const std::string& dir) {
    return ::access(dir.c_str(), W_OK) == 0;
}

bool IsReadOnly(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

bool ClearReadOnly(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && ::chmod(path.c_str(), st.st_mode | S_IWUSR) == 0;
}

bool MakeDirectory(const std::string& path, unsigned mode) {
    return ::mkdir(path.c_str(), static_cast<mode_t>(mode)) == 0;
}

bool ListDirectory(const std::string& dir, std::vector<std::string>& names) {
    DIR* stream = ::opendir(dir.c_str());
    if (stream == nullptr) return false;
    errno = 0;
    while (const dirent* entry = ::readdir(stream)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
        errno = 0;
    }
    const int err = errno;
    ::closedir(stream);
    errno = err;
    return err == 0;
}

}  // namespace zorva::sys
