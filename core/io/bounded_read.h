#pragma once

#include <string>

#include "io/file_system.h"

namespace zorva {

// The file's bytes, read no further than one byte past limit, so a file of any size
// costs at most that much memory: more than limit bytes means the file is longer.
ReadResult ReadFileUpTo(const std::string& path, size_t limit);

}  // namespace zorva
