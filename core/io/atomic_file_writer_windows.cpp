// Windows has no links to follow nor owners to keep: the new file takes the
// old one's attributes and replaces it with MoveFileExW.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <random>

#include "io/atomic_file_writer.h"
#include "io/file_calls.h"
#include "io/windows_errors.h"
#include "text/wide_text.h"

namespace zorva {
namespace {

constexpr int kMaxNameAttempts = 100;

std::string RandomSuffix() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::string suffix(6, ' ');
    for (char& c : suffix) c = kChars[random() % (sizeof kChars - 1)];
    return suffix;
}

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

int OpenTemporary(const std::string& target, std::string& temp) {
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        temp = target + ".tmp~" + RandomSuffix();
        int fd = CreateNew(temp);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) {
        sys::Close(fd_);
        DeleteFileW(WideFromUtf8(temp_).c_str());
    }
}

IoStatus AtomicFileWriter::Fail(IoStep step) {
    int err = errno;
    if (fd_ >= 0) {
        sys::Close(fd_);
        DeleteFileW(WideFromUtf8(temp_).c_str());
        fd_ = -1;
    }
    return IoStatus::System(step, path_, err);
}

IoStatus AtomicFileWriter::NotOpen() const {
    return {IoKind::Other, IoStep::Write, path_, {}, {}};
}

IoStatus AtomicFileWriter::Open() {
    target_ = path_;
    fd_ = OpenTemporary(target_, temp_);
    if (fd_ < 0) return Fail(IoStep::Create);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) return NotOpen();
    if (!sys::WriteAll(fd_, bytes)) return Fail(IoStep::Write);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::CopyCurrent() {
    int from = sys::Open(target_, _O_RDONLY);
    if (from < 0) return errno == ENOENT ? IoStatus::Ok() : Fail(IoStep::Open);
    char chunk[1 << 16];
    for (;;) {
        ssize_t n = sys::Read(from, chunk, sizeof chunk);
        if (n == 0) break;
        const bool copied =
            n > 0 && sys::WriteAll(fd_, std::string_view(chunk, static_cast<size_t>(n)));
        if (!copied) {
            int err = errno;
            sys::Close(from);
            errno = err;
            return Fail(n < 0 ? IoStep::Read : IoStep::Write);
        }
    }
    sys::Close(from);
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
    if (sys::Close(fd) != 0) {
        int err = errno;
        DeleteFileW(WideFromUtf8(temp_).c_str());
        return IoStatus::System(IoStep::Write, path_, err);
    }
    const std::wstring target = WideFromUtf8(target_);
    const DWORD oldAttributes = GetFileAttributesW(target.c_str());
    if (sys::Injected(FileOp::Rename) || !sys::Rename(temp_, target_)) {
        int err = errno;
        DeleteFileW(WideFromUtf8(temp_).c_str());
        return IoStatus::System(IoStep::Replace, path_, err);
    }
    if (oldAttributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(target.c_str(), oldAttributes);
    return IoStatus::Ok();
}

}  // namespace zorva
