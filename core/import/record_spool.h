#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "io/atomic_file_writer.h"

namespace zorva {

// The records that filled rows during a series, one slot per row. The bytes wait in an
// unnamed temporary file, so memory stays small however long the records are.
class RecordSpool {
  public:
    RecordSpool() = default;
    ~RecordSpool();
    RecordSpool(const RecordSpool&) = delete;
    RecordSpool& operator=(const RecordSpool&) = delete;

    // A new series: every slot empty.
    void Reset(size_t slots);
    // Makes room for slots added since; the slots held stay.
    void Grow(size_t slots);
    // The record of the slot, written as head followed by tail; replaces an earlier one.
    IoStatus Put(size_t slot, std::string_view head, std::string_view tail = {});
    bool Has(size_t slot) const { return slot < slots_.size() && slots_[slot].present; }
    // Writes the slot's bytes to out; an empty slot writes nothing.
    IoStatus CopyTo(size_t slot, AtomicFileWriter& out);

  private:
    struct Slot {
        uint64_t offset = 0;
        uint64_t length = 0;
        bool present = false;
    };
    IoStatus Failed(IoStep step) const;

    std::FILE* file_ = nullptr;
    uint64_t size_ = 0;
    std::vector<Slot> slots_;
};

}  // namespace zorva
