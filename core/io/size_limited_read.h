#pragma once

#include <cstddef>
#include <string>

#include "io/file_system.h"

namespace zorva {

// Reads a whole file that may hold at most maxBytes. A larger one is refused
// (IoKind::Corrupt) after reading no more than maxBytes + 1 bytes, so that no
// input, however large, costs more memory than the limit.
ReadResult ReadFileUpTo(const std::string& path, std::size_t maxBytes);

// The refusal of a file larger than maxBytes.
IoStatus TooLargeFile(const std::string& path, std::size_t maxBytes);

}  // namespace zorva
