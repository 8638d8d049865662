// The system's Polish sort (CompareStringEx's order, as sort keys).
#include <windows.h>

#include "text/collation.h"
#include "text/sign_order.h"
#include "text/wide_text.h"

namespace zorva {
namespace {

// SORT_STRINGSORT keeps hyphens and apostrophes significant, as signs.
constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE | SORT_STRINGSORT;

}  // namespace

std::string PolishSortKey(std::string_view utf8) {
    // The system orders the blanks and signs unlike ICU; ranked, they sort as on Linux.
    const std::wstring text = WideFromUtf8(WithSignsRanked(utf8));
    const int length = static_cast<int>(text.size());
    int size =
        LCMapStringEx(L"pl-PL", kFlags, text.c_str(), length, nullptr, 0, nullptr, nullptr, 0);
    std::string key(static_cast<size_t>(size > 0 ? size : 0), '\0');
    size = LCMapStringEx(L"pl-PL", kFlags, text.c_str(), length,
                         reinterpret_cast<LPWSTR>(key.data()), size, nullptr, nullptr, 0);
    key.resize(static_cast<size_t>(size > 0 ? size : 0));
    return key;
}

}  // namespace zorva
