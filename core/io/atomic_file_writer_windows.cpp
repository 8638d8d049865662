// Windows has no links to follow nor owners to keep: the new file takes the
// old one's attributes and replaces it with MoveFileExW.
#include <windows.h>

#include "io/atomic_file_writer.h"
#include "io/file_calls.h"
#include "io/temporary_file.h"
#include "text/wide_text.h"

namespace zorva {

IoStatus AtomicFileWriter::Open() {
    target_ = path_;
    fd_ = CreateTemporaryBeside(target_, temp_, sys::CreateUnshared);
    if (fd_ < 0) return Fail(IoStep::Create);
    return IoStatus::Ok();
}

IoStatus AtomicFileWriter::Commit() {
    if (fd_ < 0) return NotOpen();
    if (!sys::Flush(fd_)) return Fail(IoStep::Flush);
    int fd = fd_;
    fd_ = -1;
    if (sys::Close(fd) != 0) return Abandon(IoStep::Write);
    const std::wstring target = WideFromUtf8(target_);
    const DWORD oldAttributes = GetFileAttributesW(target.c_str());
    if (!sys::Rename(temp_, target_)) return Abandon(IoStep::Replace);
    if (oldAttributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(target.c_str(), oldAttributes);
    return IoStatus::Ok();
}

}  // namespace zorva
