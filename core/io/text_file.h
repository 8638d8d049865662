#pragma once

#include <string>
#include <vector>

#include "io/file_system.h"

namespace zorva {

// A Windows-1250 text file as UTF-8 lines. Lines end at CR LF or at a lone LF;
// a missing final line end is accepted.
struct TextLines {
    std::vector<std::string> lines;
    IoStatus status;
    bool ok() const { return status.ok(); }
};

TextLines ReadTextLines(const std::string& path);
std::vector<std::string> SplitLines(std::string_view bytes);

// Encodes UTF-8 lines as Windows-1250, each ended by CR LF. The failure names the
// first character that cannot be written, before anything touches the disk.
struct EncodedText {
    std::string bytes;
    IoStatus status;
    bool ok() const { return status.ok(); }
};
EncodedText EncodeLines(const std::vector<std::string>& lines);

// Encodes and writes atomically.
IoStatus WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace zorva
