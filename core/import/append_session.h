#pragma once

#include <string>
#include <string_view>

#include "io/atomic_file_writer.h"

namespace zorva {

// Lines appended to a file during one run become visible together: the first append copies
// the file to a temporary file beside it, the lines go to the copy, and Commit renames the
// copy over the file. Until then the file stays as it was; an uncommitted copy is removed.
class AppendSession {
  public:
    explicit AppendSession(std::string path) : writer_(std::move(path)) {}

    IoStatus Append(std::string_view bytes);
    // Nothing to do when nothing was appended.
    IoStatus Commit();
    bool Appended() const { return appended_; }

  private:
    IoStatus FlushBuffer();

    AtomicFileWriter writer_;
    bool appended_ = false;
    IoStatus failed_;
    std::string buffer_;
};

}  // namespace zorva
