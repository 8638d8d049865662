#include "text/columns.h"

#include "text/utf8.h"

namespace zorva {

std::string PadCut(std::string_view text, size_t width) {
    std::string out = SubChars(text, 0, width);
    size_t have = CharCount(out);
    if (have < width) out.append(width - have, ' ');
    return out;
}

std::string PadLeft(std::string_view text, size_t width) {
    size_t have = CharCount(text);
    std::string out;
    if (have < width) out.assign(width - have, ' ');
    out.append(text);
    return out;
}

std::string Columns(std::string_view line, size_t first, size_t count) {
    return SubChars(line, first, count);
}

std::string ColumnAt(std::string_view line, size_t column) {
    if (column == 0) return {};
    return SubChars(line, column - 1, 1);
}

std::string Trim(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

namespace {

// Letters of Windows-1250 that have both cases, as (capital, small) code points.
constexpr std::pair<char32_t, char32_t> kCasePairs[] = {
    {0x104, 0x105}, {0x106, 0x107}, {0x118, 0x119}, {0x141, 0x142}, {0x143, 0x144}, {0x0D3, 0x0F3},
    {0x15A, 0x15B}, {0x179, 0x17A}, {0x17B, 0x17C}, {0x160, 0x161}, {0x164, 0x165}, {0x17D, 0x17E},
    {0x154, 0x155}, {0x0C1, 0x0E1}, {0x0C2, 0x0E2}, {0x102, 0x103}, {0x0C4, 0x0E4}, {0x139, 0x13A},
    {0x0C7, 0x0E7}, {0x10C, 0x10D}, {0x0C9, 0x0E9}, {0x0CB, 0x0EB}, {0x11A, 0x11B}, {0x0CD, 0x0ED},
    {0x0CE, 0x0EE}, {0x10E, 0x10F}, {0x110, 0x111}, {0x147, 0x148}, {0x0D4, 0x0F4}, {0x150, 0x151},
    {0x0D6, 0x0F6}, {0x158, 0x159}, {0x16E, 0x16F}, {0x0DA, 0x0FA}, {0x170, 0x171}, {0x0DC, 0x0FC},
    {0x0DD, 0x0FD}, {0x162, 0x163}, {0x15E, 0x15F}, {0x13D, 0x13E},
};

template <bool kToUpper>
std::string MapCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t start = pos;
        auto cp = NextCodePoint(utf8, pos);
        if (!cp) {
            out.append(utf8.substr(start, pos - start));
            continue;
        }
        char32_t c = *cp;
        if (kToUpper && c >= 'a' && c <= 'z') c -= 32;
        if (!kToUpper && c >= 'A' && c <= 'Z') c += 32;
        for (auto [upper, lower] : kCasePairs) {
            if (kToUpper && c == lower) c = upper;
            if (!kToUpper && c == upper) c = lower;
        }
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

std::string ToUpperText(std::string_view utf8) {
    return MapCase<true>(utf8);
}
std::string ToLowerText(std::string_view utf8) {
    return MapCase<false>(utf8);
}

std::string ToDecimal(long long value) {
    return std::to_string(value);
}

}  // namespace zorva
