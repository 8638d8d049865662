#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "io/io_status.h"

namespace zorva {

struct AtomicWriteOptions;

struct ReadResult {
    std::string bytes;
    IoStatus status;
    bool ok() const { return status.ok(); }
};

bool FileExists(const std::string& path);
bool IsDirectory(const std::string& path);
bool IsWritableDirectory(const std::string& path);

// Read-only means: the owner may not write the file.
bool IsReadOnly(const std::string& path);
IoStatus ClearReadOnly(const std::string& path);

ReadResult ReadWholeFile(const std::string& path);

// Writes to a temporary file in the same folder, flushes it to the disk and
// renames it over the target, so the target is either its old or its whole new
// version. On failure the temporary file is removed and the target is untouched.
IoStatus WriteFileAtomic(const std::string& path, std::string_view bytes);
IoStatus WriteFileAtomic(const std::string& path, std::string_view bytes,
                         const AtomicWriteOptions& options);

IoStatus RemoveFile(const std::string& path);
IoStatus CopyFile(const std::string& from, const std::string& to);

// A path is split at the system's separators; Windows paths may mix '\\' and '/'.
std::string DirectoryOf(const std::string& path);  // with its trailing separator
std::string FileNameOf(const std::string& path);
// Joins with the separator dir already uses, so a path keeps the style it came in.
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace zorva
