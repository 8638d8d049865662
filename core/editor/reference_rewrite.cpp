#include "editor/reference_rewrite.h"

#include <optional>

#include "io/text_file.h"

namespace zorva {
namespace {

// Puts the earlier backup back after the new file could not be written.
void RestoreBackup(const std::string& backupPath, const std::optional<std::string>& earlier) {
    if (earlier)
        WriteFileAtomic(backupPath, *earlier);
    else
        RemoveFile(backupPath);
}

}  // namespace

IoStatus RewriteWithBackup(const std::string& path, const std::vector<std::string>& lines) {
    EncodedText encoded = EncodeLines(lines);
    if (!encoded.ok()) return encoded.status;

    ReadResult current = ReadWholeFile(path);
    if (!current.ok()) return current.status;

    const std::string backupPath = path + "~";
    std::optional<std::string> earlierBackup;
    if (FileExists(backupPath)) {
        ReadResult earlier = ReadWholeFile(backupPath);
        if (earlier.ok()) earlierBackup = std::move(earlier.bytes);
    }

    IoStatus backup = WriteFileAtomic(backupPath, current.bytes);
    if (!backup.ok()) return backup;

    IoStatus written = WriteFileAtomic(path, encoded.bytes);
    if (!written.ok()) RestoreBackup(backupPath, earlierBackup);
    return written;
}

}  // namespace zorva
