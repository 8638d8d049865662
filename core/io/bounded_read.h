#pragma once

#include <cstddef>
#include <string>

#include "io/file_system.h"

namespace zorva {

// The file's bytes, read no further than one byte past limit, so a file of any size
// costs at most that much memory: more than limit bytes means the file is longer.
ReadResult ReadFileUpTo(const std::string& path, std::size_t limit);

// The whole file, or its refusal (IoKind::Corrupt) when it holds more than maxBytes;
// reads no more than maxBytes + 1 bytes either way.
ReadResult ReadWholeFileOfAtMost(const std::string& path, std::size_t maxBytes);

// The refusal of a file larger than maxBytes.
IoStatus TooLargeFile(const std::string& path, std::size_t maxBytes);

}  // namespace zorva
