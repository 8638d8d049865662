#pragma once

#include <string>

namespace zorva {

// Why a file operation failed, as far as a caller needs to act on it.
enum class IoKind { None, NotFound, NoPermission, NoSpace, Corrupt, Other };

// What was being done when it failed.
enum class IoStep {
    Open,
    Create,
    Read,
    Write,
    Flush,
    Replace,
    Rename,
    Remove,
    ReadAttributes,
    ChangeAttributes,
    CreateTemporary,
    WriteTemporary,
    ReadTemporary,
    CreateFolder,
    ReadFolder,
    Encode,  // a character the file's code page cannot hold
    Lock,    // path is the lock file, or the locked file when another program keeps it
};

// The outcome of a file operation. It carries facts only; the sentence shown to
// the user is composed where it is shown.
struct IoStatus {
    IoKind kind = IoKind::None;
    IoStep step = IoStep::Open;
    std::string path;    // as the caller named it; empty for a temporary file
    std::string reason;  // the system's words; for Encode the refused character
    std::string line;    // for Encode: the line that holds the character

    bool ok() const { return kind == IoKind::None; }
    static IoStatus Ok() { return {}; }
    // The failure that errno value err describes.
    static IoStatus System(IoStep step, std::string path, int err);
    static IoStatus Unencodable(std::string character, std::string line);
};

IoKind KindOfErrno(int err);

}  // namespace zorva
