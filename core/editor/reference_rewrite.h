#pragma once

#include <string>
#include <vector>

#include "io/file_system.h"

namespace zorva {

// Replaces the file at path with the lines (Windows-1250, CR LF) and keeps the
// file as it stood before as path + "~", the one backup. All or nothing: when
// the backup or the new file cannot be written, the file and the earlier backup
// are left as they were and the reason is returned.
IoStatus RewriteWithBackup(const std::string& path, const std::vector<std::string>& lines);

}  // namespace zorva
