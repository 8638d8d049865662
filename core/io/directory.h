#pragma once

#include <string>
#include <vector>

#include "io/file_system.h"

namespace zorva {

// Makes a folder and every missing folder above it; an existing folder is fine.
IoStatus MakeDirectories(const std::string& path);

struct FileNames {
    std::vector<std::string> names;
    std::string error;
    bool ok() const { return error.empty(); }
};

// The names of the plain files in a folder, in no set order. A missing folder
// holds none.
FileNames ListFileNames(const std::string& dir);

}  // namespace zorva
