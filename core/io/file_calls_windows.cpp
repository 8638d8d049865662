#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <climits>

#include "io/file_calls.h"
#include "io/windows_errors.h"
#include "text/wide_text.h"

namespace zorva::sys {

void SetErrnoFromLastError() {
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
            errno = ENOENT;
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            errno = EACCES;
            break;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            errno = ENOSPC;
            break;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            errno = EEXIST;
            break;
        default:
            errno = EIO;
    }
}

const std::string_view kPathSeparators = "\\/";

// Windows reports an exhausted quota as a full disk.
const int kQuotaExceeded = ENOSPC;

namespace {

// True when the test switch fails this operation (errno is then the armed one).
bool Injected(FileOp op) {
    if (!fault_injection::ShouldFail(op)) return false;
    errno = fault_injection::ArmedErrno();
    return true;
}

}  // namespace

int Open(const std::string& path, int flags, int) {
    return ::_wopen(WideFromUtf8(path).c_str(), flags | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}

int CreateUnshared(const std::string& path) {
    if (Injected(FileOp::Open)) return -1;
    HANDLE h = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        SetErrnoFromLastError();
        return -1;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
    if (fd < 0) CloseHandle(h);
    return fd;
}

int OpenChecked(const std::string& path, int flags, int mode) {
    if (Injected(FileOp::Open)) return -1;
    return Open(path, flags, mode);
}

ssize_t Read(int fd, void* buffer, size_t size) {
    if (Injected(FileOp::Read)) return -1;
    return ::_read(fd, buffer, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
}

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        if (Injected(FileOp::Write)) return false;
        const size_t chunk = bytes.size() - done < INT_MAX ? bytes.size() - done : INT_MAX;
        const int n = ::_write(fd, bytes.data() + done, static_cast<unsigned>(chunk));
        if (n < 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool Flush(int fd) {
    if (Injected(FileOp::Flush)) return false;
    if (FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(fd)))) return true;
    SetErrnoFromLastError();
    return false;
}

int Close(int fd) {
    return ::_close(fd);
}

bool Rename(const std::string& from, const std::string& to) {
    if (Injected(FileOp::Rename)) return false;
    if (MoveFileExW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    SetErrnoFromLastError();
    return false;
}

bool Remove(const std::string& path) {
    if (Injected(FileOp::Remove)) return false;
    return Discard(path);
}

bool Discard(const std::string& path) {
    if (DeleteFileW(WideFromUtf8(path).c_str())) return true;
    SetErrnoFromLastError();
    return false;
}

PathType TypeOf(const std::string& path) {
    if (path.empty()) return PathType::Missing;
    const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        SetErrnoFromLastError();
        return PathType::Missing;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PathType::Directory;
    return (attributes & FILE_ATTRIBUTE_DEVICE) ? PathType::Other : PathType::File;
}

// A folder's read-only attribute says nothing about writing in it: only trying tells.
bool CanWriteIn(const std::string& dir) {
    const std::string probe = dir + "/.zorva-probe-" + std::to_string(GetCurrentProcessId()) + "-" +
                              std::to_string(GetCurrentThreadId());
    HANDLE h = CreateFileW(WideFromUtf8(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

bool IsReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool ClearReadOnly(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        SetFileAttributesW(wide.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY}))
        return true;
    SetErrnoFromLastError();
    return false;
}

bool MakeDirectory(const std::string& path, unsigned) {
    if (CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr)) return true;
    SetErrnoFromLastError();
    return false;
}

bool ListDirectory(const std::string& dir, std::vector<std::string>& names) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WideFromUtf8(dir + "/*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        SetErrnoFromLastError();
        return false;
    }
    do {
        const std::string name = Utf8FromWide(found.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    if (!complete) SetErrnoFromLastError();
    FindClose(search);
    return complete;
}

}  // namespace zorva::sys
