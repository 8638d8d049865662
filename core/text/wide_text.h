#pragma once

#include <string>
#include <string_view>

namespace zorva {

// UTF-8 (as the program keeps paths and texts) to and from UTF-16, as the
// Windows API takes them; invalid UTF-8 becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace zorva
