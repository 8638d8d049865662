#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "io/io_status.h"

namespace zorva {

// Where the ADIF reader takes its bytes from, one piece at a time.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Fills up to size bytes; 0 at the end of the data, -1 on a failure (see Error()).
    virtual long Read(char* into, size_t size) = 0;
    virtual const IoStatus& Error() const = 0;
};

// A file read from its start; a failure names the file and the system's reason.
class FileByteSource : public ByteSource {
  public:
    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    uint64_t Size() const { return size_; }
    long Read(char* into, size_t size) override;
    const IoStatus& Error() const override { return error_; }

  private:
    std::string path_;
    int fd_ = -1;
    uint64_t size_ = 0;
    IoStatus error_;
};

// Bytes held in memory, handed out at most pieceSize at a time (tests use small pieces to
// cut records at every position).
class MemoryByteSource : public ByteSource {
  public:
    explicit MemoryByteSource(std::string_view bytes, size_t pieceSize = SIZE_MAX)
        : bytes_(bytes), pieceSize_(pieceSize == 0 ? 1 : pieceSize) {}
    long Read(char* into, size_t size) override;
    const IoStatus& Error() const override { return error_; }

  private:
    std::string_view bytes_;
    size_t pieceSize_;
    size_t offset_ = 0;
    IoStatus error_;
};

}  // namespace zorva
