// ICU's Polish collator.
#include <unicode/coll.h>
#include <unicode/unistr.h>

#include <memory>
#include <stdexcept>

#include "text/collation.h"

namespace zorva {
namespace {

// Blanks and punctuation stay significant (not the "shifted" handling), and
// case is left out by comparing no finer than accents.
std::unique_ptr<icu::Collator> MakePolishCollator() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale("pl", "PL"), status));
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("ICU collator: ") + u_errorName(status));
    collator->setStrength(icu::Collator::SECONDARY);
    collator->setAttribute(UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, status);
    collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_OFF, status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("ICU collator: ") + u_errorName(status));
    return collator;
}

const icu::Collator& PolishCollator() {
    static const std::unique_ptr<icu::Collator> collator = MakePolishCollator();
    return *collator;
}

}  // namespace

std::string PolishSortKey(std::string_view utf8) {
    const icu::Collator& collator = PolishCollator();
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    std::string key(utf8.size() * 4 + 16, '\0');
    auto* buffer = reinterpret_cast<uint8_t*>(key.data());
    int32_t length = collator.getSortKey(text, buffer, static_cast<int32_t>(key.size()));
    if (length > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<size_t>(length));
        buffer = reinterpret_cast<uint8_t*>(key.data());
        length = collator.getSortKey(text, buffer, length);
    }
    key.resize(static_cast<size_t>(length));
    return key;
}

}  // namespace zorva
