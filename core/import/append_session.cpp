#include "import/append_session.h"

namespace zorva {
namespace {

constexpr size_t kBufferSize = 64 * 1024;

}  // namespace

IoStatus AppendSession::FlushBuffer() {
    IoStatus written = writer_.Write(buffer_);
    buffer_.clear();
    if (!written.ok()) failed_ = written;
    return written;
}

IoStatus AppendSession::Append(std::string_view bytes) {
    if (!failed_.ok()) return failed_;
    if (!appended_) {
        appended_ = true;
        IoStatus started = writer_.Open();
        if (started.ok()) started = writer_.CopyCurrent();
        if (!started.ok()) return failed_ = started;
        buffer_.reserve(kBufferSize);
    }
    buffer_.append(bytes);
    if (buffer_.size() >= kBufferSize) return FlushBuffer();
    return IoStatus::Ok();
}

IoStatus AppendSession::Commit() {
    if (!appended_) return IoStatus::Ok();
    if (!failed_.ok()) return failed_;
    if (IoStatus s = FlushBuffer(); !s.ok()) return s;
    return writer_.Commit();
}

}  // namespace zorva
