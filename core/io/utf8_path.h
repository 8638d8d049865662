#pragma once

#include <filesystem>
#include <string>

namespace zorva {

// Paths are UTF-8 inside the program; std::filesystem's narrow strings are the
// system code page on Windows, so conversions go through char8_t.
inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

inline std::string GenericUtf8Of(const std::filesystem::path& path) {
    const std::u8string utf8 = path.generic_u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace zorva
