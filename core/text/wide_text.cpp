#include "text/wide_text.h"

#include "text/utf8.h"

namespace zorva {

std::wstring WideFromUtf8(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = NextCodePoint(utf8, pos).value_or(U'\uFFFD');
        if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
            wide.push_back(static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10)));
            wide.push_back(static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            wide.push_back(static_cast<wchar_t>(cp));
        }
    }
    return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
    std::string utf8;
    utf8.reserve(wide.size());
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t cp = static_cast<char32_t>(wide[i]);
        const bool pair = sizeof(wchar_t) == 2 && cp >= 0xD800 && cp < 0xDC00 &&
                          i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000;
        if (pair)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(wide[++i]) - 0xDC00);
        AppendUtf8(utf8, cp);
    }
    return utf8;
}

}  // namespace zorva
