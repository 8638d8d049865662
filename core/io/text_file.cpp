#include "io/text_file.h"

#include "text/cp1250.h"

namespace zorva {

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t lf = bytes.find('\n', start);
        size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        size_t contentEnd = (end > start && bytes[end - 1] == '\r') ? end - 1 : end;
        lines.push_back(DecodeCp1250(bytes.substr(start, contentEnd - start)));
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    return lines;
}

TextLines ReadTextLines(const std::string& path) {
    TextLines result;
    ReadResult raw = ReadWholeFile(path);
    if (!raw.ok()) {
        result.status = raw.status;
        return result;
    }
    result.lines = SplitLines(raw.bytes);
    return result;
}

EncodedText EncodeLines(const std::vector<std::string>& lines) {
    EncodedText result;
    for (const auto& line : lines) {
        auto encoded = EncodeCp1250(line);
        if (!encoded) {
            result.status = IoStatus::Unencodable(FirstUnencodable(line), line);
            result.bytes.clear();
            return result;
        }
        result.bytes += *encoded;
        result.bytes += "\r\n";
    }
    return result;
}

IoStatus WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    EncodedText text = EncodeLines(lines);
    if (!text.ok()) return text.status;
    return WriteFileAtomic(path, text.bytes);
}

}  // namespace zorva
