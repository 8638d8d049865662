#include "editor/editor_line.h"

#include "files/entity_line.h"
#include "model/prefix_order.h"
#include "text/columns.h"

namespace zorva {

std::string LineNumber(const std::string& line) {
    return ParseEntityLine(line).adif;
}

bool LineIsDeleted(const std::string& line) {
    return ParseEntityLine(line).deleted == "D";
}

std::string LinePrefix(const std::string& line) {
    return ParseEntityLine(line).prefix;
}

std::string LineName(const std::string& line) {
    return ParseEntityLine(line).name;
}

std::string BuildEditorLine(const std::string& key, bool deleted, const std::string& prefix,
                            const std::string& name) {
    return FormatEntityLine(key, deleted, prefix, name);
}

bool PrefixGreater(const std::string& a, const std::string& b) {
    return PrefixKey(b) < PrefixKey(a);
}

size_t PrefixPlace(const std::vector<std::string>& lines, const std::string& prefix) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (PrefixGreater(LinePrefix(lines[i]), prefix)) return i;
    return lines.size();
}

int FindNumberValue(const std::vector<std::string>& lines, const std::string& digits) {
    const std::string wanted = WithoutLeadingZeros(digits);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string number = Trim(LineNumber(lines[i]));
        if (AllDigits(number) && WithoutLeadingZeros(number) == wanted) return static_cast<int>(i);
    }
    return -1;
}

int FindNumberText(const std::vector<std::string>& lines, const std::string& text) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (Trim(LineNumber(lines[i])) == text) return static_cast<int>(i);
    return -1;
}

std::string WithoutLeadingZeros(const std::string& digits) {
    size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return digits.empty() ? digits : "0";
    return digits.substr(first);
}

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace zorva
