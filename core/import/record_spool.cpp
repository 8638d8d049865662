#include "import/record_spool.h"

#include <algorithm>
#include <cerrno>

namespace zorva {
namespace {

constexpr size_t kCopyChunk = size_t{1} << 16;

}  // namespace

RecordSpool::~RecordSpool() {
    if (file_ != nullptr) std::fclose(file_);
}

IoStatus RecordSpool::Failed(IoStep step) const {
    return IoStatus::System(step, {}, errno);
}

void RecordSpool::Reset(size_t slots) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    size_ = 0;
    slots_.assign(slots, Slot{});
}

void RecordSpool::Grow(size_t slots) {
    if (slots_.size() < slots) slots_.resize(slots);
}

IoStatus RecordSpool::Put(size_t slot, std::string_view head, std::string_view tail) {
    Grow(slot + 1);
    if (file_ == nullptr) {
        file_ = std::tmpfile();
        if (file_ == nullptr) return Failed(IoStep::CreateTemporary);
    }
    if (std::fseek(file_, 0, SEEK_END) != 0 ||
        std::fwrite(head.data(), 1, head.size(), file_) != head.size() ||
        std::fwrite(tail.data(), 1, tail.size(), file_) != tail.size())
        return Failed(IoStep::WriteTemporary);
    slots_[slot] = {size_, head.size() + tail.size(), true};
    size_ += head.size() + tail.size();
    return IoStatus::Ok();
}

IoStatus RecordSpool::CopyTo(size_t slot, AtomicFileWriter& out) {
    if (!Has(slot)) return IoStatus::Ok();
    const Slot& held = slots_[slot];
    if (std::fseek(file_, static_cast<long>(held.offset), SEEK_SET) != 0)
        return Failed(IoStep::ReadTemporary);
    std::string chunk(static_cast<size_t>(std::min<uint64_t>(held.length, kCopyChunk)), '\0');
    for (uint64_t left = held.length; left > 0;) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(left, chunk.size()));
        if (std::fread(chunk.data(), 1, want, file_) != want) {
            if (!std::ferror(file_)) errno = EIO;
            return Failed(IoStep::ReadTemporary);
        }
        if (IoStatus written = out.Write({chunk.data(), want}); !written.ok()) return written;
        left -= want;
    }
    return IoStatus::Ok();
}

}  // namespace zorva
