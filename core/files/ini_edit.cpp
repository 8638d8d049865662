#include "files/ini_edit.h"

#include <algorithm>
#include <optional>

#include "text/text_helpers.h"

namespace zorva {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// One line of the file, its end ("\r\n", "\n" or none) kept apart.
struct Line {
    std::string text;
    std::string end;
};

std::vector<Line> LinesWithEnds(std::string_view bytes) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t newline = bytes.find('\n', start);
        if (newline == std::string_view::npos) {
            lines.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        size_t textEnd = newline > start && bytes[newline - 1] == '\r' ? newline - 1 : newline;
        lines.push_back({std::string(bytes.substr(start, textEnd - start)),
                         std::string(bytes.substr(textEnd, newline + 1 - textEnd))});
        start = newline + 1;
    }
    return lines;
}

std::optional<std::string_view> SectionName(std::string_view text) {
    std::string_view line = Trimmed(text);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trimmed(line.substr(1, close - 1));
}

std::optional<std::string_view> KeyName(std::string_view text) {
    std::string_view line = Trimmed(text);
    if (line.empty() || line.front() == ';' || line.front() == '#') return std::nullopt;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Trimmed(line.substr(0, equals));
}

// Where the key's first line is, or where a new one goes; npos when the section is missing.
struct KeyPlace {
    size_t line = std::string::npos;
    bool found = false;
};

KeyPlace FindKey(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    KeyPlace place;
    bool inSection = false;
    bool firstPartOver = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionName(lines[i].text)) {
            if (inSection) firstPartOver = true;
            inSection = SameAsciiLetters(*name, section);
            if (inSection && place.line == std::string::npos) place.line = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (auto name = KeyName(lines[i].text); name && SameAsciiLetters(*name, key))
            return {i, true};
        if (!firstPartOver && !Trimmed(lines[i].text).empty()) place.line = i + 1;
    }
    return place;
}

void EndLastLine(std::vector<Line>& lines) {
    if (!lines.empty() && lines.back().end.empty()) lines.back().end = "\r\n";
}

void SetValue(std::vector<Line>& lines, std::string_view section, const std::string& key,
              const std::string& value) {
    Line line{key + "=" + value, "\r\n"};
    const KeyPlace place = FindKey(lines, section, key);
    if (place.found) {
        lines[place.line].text = line.text;
        return;
    }
    if (place.line == std::string::npos) {
        EndLastLine(lines);
        if (!lines.empty() && !Trimmed(lines.back().text).empty()) lines.push_back({"", "\r\n"});
        lines.push_back({"[" + std::string(section) + "]", "\r\n"});
        lines.push_back(std::move(line));
        return;
    }
    if (place.line == lines.size()) EndLastLine(lines);
    lines.insert(lines.begin() + static_cast<long>(place.line), std::move(line));
}

}  // namespace

std::string SetIniValues(std::string_view fileBytes, std::string_view section,
                         const IniValues& values) {
    std::vector<Line> lines = LinesWithEnds(fileBytes);
    for (const auto& [key, value] : values) SetValue(lines, section, key, value);
    std::string bytes;
    for (const Line& line : lines) bytes += line.text + line.end;
    return bytes;
}

}  // namespace zorva
