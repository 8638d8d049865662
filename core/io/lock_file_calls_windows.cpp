// LockFileEx on the lock file. Every program opens it sharing deletion, so the
// holder can remove it on release; until the holder closes it, a removed file
// refuses to open, which counts as busy.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "io/lock_file_calls.h"
#include "text/wide_text.h"

namespace zorva::sys {

LockAttempt TryLockFile(const std::string& lockPath, int& fd) {
    const std::wstring path = WideFromUtf8(lockPath);
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const bool pendingRemoval = GetLastError() == ERROR_ACCESS_DENIED &&
                                    GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        return pendingRemoval ? LockAttempt::Busy : LockAttempt::Failed;
    }
    OVERLAPPED whole{};
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                    &whole)) {
        const DWORD err = GetLastError();
        CloseHandle(h);
        return err == ERROR_LOCK_VIOLATION || err == ERROR_IO_PENDING ? LockAttempt::Busy
                                                                      : LockAttempt::Failed;
    }
    fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
        return LockAttempt::Failed;
    }
    return LockAttempt::Locked;
}

void UnlockFile(const std::string& lockPath, int fd) {
    DeleteFileW(WideFromUtf8(lockPath).c_str());
    _close(fd);
}

}  // namespace zorva::sys
