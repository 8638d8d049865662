#pragma once

#include <string>
#include <vector>

#include "io/file_system.h"

namespace zorva {

// Makes a folder and every missing folder above it; an existing folder is fine.
// Folders it makes get `mode` less the umask, where the system has such bits.
IoStatus MakeDirectories(const std::string& path, unsigned mode = 0777);

struct FileNames {
    std::vector<std::string> names;
    IoStatus status;
    bool ok() const { return status.ok(); }
};

// The names of the plain files in a folder, in no set order. A missing folder
// holds none.
FileNames ListFileNames(const std::string& dir);

}  // namespace zorva
