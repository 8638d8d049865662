#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace zorva {

// ASCII letters only: bytes of multi-byte UTF-8 characters never fall in A..Z,
// so folding byte by byte leaves every other character as it is.
constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string AsciiLowerText(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiLower(c);
    return out;
}

// Equal but for the case of ASCII letters.
constexpr bool SameAsciiLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

// A chosen name without any dot, the folders included, gets ".txt".
inline std::string WithTxtWhenNoDot(const std::string& name) {
    return name.find('.') == std::string::npos ? name + ".txt" : name;
}

}  // namespace zorva
