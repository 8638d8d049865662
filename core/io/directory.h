#pragma once

#include <string>
#include <vector>

#include "io/file_system.h"

namespace zorva {

// Makes a folder and every missing folder above it; an existing folder is fine.
IoStatus MakeDirectories(const std::string& path);

struct FileNames {
    std::vector<std::string> names;
    IoStatus status;
    bool ok() const { return status.ok(); }
};

// The names of the plain files in a folder, in no set order. A missing folder
// holds none.
FileNames ListFileNames(const std::string& dir);

}  // namespace zorva
