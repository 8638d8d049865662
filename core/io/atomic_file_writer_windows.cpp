// Windows has no links to follow nor owners to keep: the new file takes the
// old one's attributes and replaces it with MoveFileExW.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>

#include "io/atomic_file_writer.h"
#include "io/file_calls.h"
#include "io/temporary_file.h"
#include "io/windows_errors.h"
#include "text/wide_text.h"

namespace zorva {
namespace {

// Opened unshared, so nothing else reads the new version before it is whole.
int CreateNew(const std::string& path) {
    if (sys::Injected(FileOp::Open)) return -1;
    HANDLE h = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        sys::SetErrnoFromLastError();
        return -1;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
    if (fd < 0) CloseHandle(h);
    return fd;
}

}  // namespace

IoStatus AtomicFileWriter::Open() {
    target_ = path_;
    fd_ = CreateTemporaryBeside(target_, temp_, CreateNew);
    if (fd_ < 0) return Fail(IoStep::Create);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::Commit() {
    if (fd_ < 0) return NotOpen();
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd_));
    if (sys::Injected(FileOp::Flush)) return Fail(IoStep::Flush);
    if (!FlushFileBuffers(h)) {
        sys::SetErrnoFromLastError();
        return Fail(IoStep::Flush);
    }
    int fd = fd_;
    fd_ = -1;
    if (sys::Close(fd) != 0) return Abandon(IoStep::Write);
    const std::wstring target = WideFromUtf8(target_);
    const DWORD oldAttributes = GetFileAttributesW(target.c_str());
    if (sys::Injected(FileOp::Rename) || !sys::Rename(temp_, target_))
        return Abandon(IoStep::Replace);
    if (oldAttributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(target.c_str(), oldAttributes);
    return IoStatus::Ok();
}

}  // namespace zorva
