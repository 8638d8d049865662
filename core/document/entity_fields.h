#pragma once

#include <cstddef>

namespace zorva {

// The date field as it reads while nothing is typed: its two "-" are part of the text.
inline constexpr const char* kEmptyDateField = "    -  -  ";
inline constexpr size_t kCallFieldWidth = 15;
inline constexpr size_t kDateFieldWidth = 10;
inline constexpr size_t kVerificationDateWidth = 10;

inline constexpr const char* kVerifiedRowRefusal = "Nie można zmieniać zweryfikowanych danych!";
inline constexpr const char* kNothingToVerify = "Brak danych do weryfikacji!";
inline constexpr const char* kEmptyVerificationDate = "Wprowadź datę weryfikacji!";

}  // namespace zorva
