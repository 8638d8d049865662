#pragma once

#include <string>
#include <string_view>

#include "io/file_system.h"

namespace zorva {

// Lines appended to a file during one run become visible together: the first append copies
// the file to a temporary file beside it, the lines go to the copy, and Commit renames the
// copy over the file. Until then the file stays as it was; an uncommitted copy is removed.
class AppendSession {
  public:
    explicit AppendSession(std::string path) : path_(std::move(path)) {}
    ~AppendSession();
    AppendSession(const AppendSession&) = delete;
    AppendSession& operator=(const AppendSession&) = delete;

    IoStatus Append(std::string_view bytes);
    // Nothing to do when nothing was appended.
    IoStatus Commit();
    bool Appended() const { return appended_; }

  private:
    IoStatus Start();
    IoStatus FlushBuffer();
    IoStatus Fail(const char* what);

    std::string path_;
    std::string temp_;
    int fd_ = -1;
    bool appended_ = false;
    std::string buffer_;
};

}  // namespace zorva
