#include "text/cp1250.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <unordered_map>

#include "text/utf8.h"

namespace zorva {
namespace {

struct Tables {
    std::array<char32_t, 256> toUnicode{};
    std::unordered_map<char32_t, unsigned char> fromUnicode;
};

char32_t ConvertOne(iconv_t cd, unsigned char byte) {
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        return static_cast<char32_t>(byte);  // undefined in the code page: keep the byte
    }
    std::uint32_t cp = 0;
    std::memcpy(&cp, out, 4);
    return static_cast<char32_t>(cp);
}

Tables BuildTables() {
    Tables t;
    iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1250");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv: WINDOWS-1250 unavailable");
    for (int b = 0; b < 256; ++b) {
        t.toUnicode[b] =
            b < 0x80 ? static_cast<char32_t>(b) : ConvertOne(cd, static_cast<unsigned char>(b));
        t.fromUnicode.emplace(t.toUnicode[b], static_cast<unsigned char>(b));
    }
    iconv_close(cd);
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
