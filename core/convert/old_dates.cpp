#include "convert/old_dates.h"

#include "text/utf8.h"

namespace zorva {
namespace {

// True when the text is exactly count decimal digits.
bool IsDigits(std::string_view text, size_t count) {
    if (text.size() != count) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Characters first..last of the date, counted from 1 as the layout describes them.
std::string Chars(std::string_view date, size_t first, size_t last) {
    return SubChars(date, first - 1, last - first + 1);
}

std::string MonthAndDay(std::string_view date) {
    return "-" + Chars(date, 4, 5) + "-" + Chars(date, 1, 2);
}

}  // namespace

std::string ConvertOldQsoDate(std::string_view date) {
    if (CharCount(date) == 10) return Chars(date, 7, 10) + MonthAndDay(date);
    std::string year = Chars(date, 7, 8);
    if (!IsDigits(year, 2)) return kUnknownDate;
    std::string century = std::stoi(year) <= 50 ? "20" : "19";
    return century + year + MonthAndDay(date);
}

std::string ConvertOldVerificationDate(std::string_view date) {
    size_t length = CharCount(date);
    if (length == 10) {
        if (IsDigits(Chars(date, 3, 3), 1)) return std::string(date);  // already year-month-day
        return ConvertOldQsoDate(date);
    }
    if (length == 8) return ConvertOldQsoDate(date);
    return std::string(date);
}

}  // namespace zorva
