#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "io/file_system.h"

namespace zorva {

struct AtomicWriteOptions {
    // Off: a link at the path is itself replaced by the file, its target untouched.
    bool followLinks = true;
    // The exact permission bits of a new file (or of one put in place of a link),
    // where the system has such bits.
    std::optional<unsigned> newFileMode;
};

// Writes a file so that it appears whole or not at all: the bytes go to a
// temporary file in the same folder, which Commit flushes to the disk and
// renames over the target. Until then the target stays as it was; a writer
// dropped without Commit removes its temporary file. Unless the options say
// otherwise, a symbolic link is followed and its target replaced; a replaced
// file keeps its mode (and its owner and group where the process may), a new one
// gets 0666 less the umask.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(std::string path, AtomicWriteOptions options = {})
        : path_(std::move(path)), options_(std::move(options)) {}
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    IoStatus Open();
    IoStatus Write(std::string_view bytes);
    // Copies the target's present bytes into the new version (a missing target adds nothing).
    IoStatus CopyCurrent();
    IoStatus Commit();
    bool IsOpen() const { return fd_ >= 0; }

  private:
    IoStatus Fail(IoStep step);
    IoStatus Abandon(IoStep step);
    IoStatus NotOpen() const;

    std::string path_;  // as the caller named it, for the messages
    AtomicWriteOptions options_;
    std::string target_;  // the file replaced: path_ with its links followed
    std::string temp_;
    int fd_ = -1;
};

}  // namespace zorva
