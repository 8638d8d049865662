#include "text/cp1250.h"

#include <array>
#include <unordered_map>

#include "text/utf8.h"

namespace zorva {
namespace {

// The upper half of Windows-1250, one code point per byte; a byte the code page
// leaves undefined stands for the C1 control character of its own number. One
// table serves every platform, so both read and write the same bytes.
constexpr std::array<char32_t, 128> kUpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 0x98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // 0xA8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // 0xB8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // 0xC8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // 0xD8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // 0xE8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // 0xF8
};

struct Tables {
    std::array<char32_t, 256> toUnicode{};
    std::unordered_map<char32_t, unsigned char> fromUnicode;
};

Tables BuildTables() {
    Tables t;
    for (int b = 0; b < 256; ++b) {
        t.toUnicode[b] = b < 0x80 ? static_cast<char32_t>(b) : kUpperHalf[b - 0x80];
        t.fromUnicode.emplace(t.toUnicode[b], static_cast<unsigned char>(b));
    }
    return t;
}

const Tables& GetTables() {
    static const Tables tables = BuildTables();
    return tables;
}

}  // namespace

std::string DecodeCp1250(std::string_view bytes) {
    const auto& t = GetTables();
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char b : bytes) {
        if (b < 0x80)
            out.push_back(static_cast<char>(b));
        else
            AppendUtf8(out, t.toUnicode[b]);
    }
    return out;
}

std::optional<std::string> EncodeCp1250(std::string_view utf8) {
    const auto& t = GetTables();
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        auto cp = NextCodePoint(utf8, pos);
        if (!cp) return std::nullopt;
        if (*cp < 0x80) {
            out.push_back(static_cast<char>(*cp));
            continue;
        }
        auto it = t.fromUnicode.find(*cp);
        if (it == t.fromUnicode.end()) return std::nullopt;
        out.push_back(static_cast<char>(it->second));
    }
    return out;
}

bool FitsCp1250(std::string_view utf8) {
    return EncodeCp1250(utf8).has_value();
}

std::string FirstUnencodable(std::string_view utf8) {
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t start = pos;
        auto cp = NextCodePoint(utf8, pos);
        if (!cp) return std::string(utf8.substr(start, 1));
        std::string one(utf8.substr(start, pos - start));
        if (!EncodeCp1250(one)) return one;
    }
    return {};
}

}  // namespace zorva
