#include "station/grid_sort.h"

#include <unicode/coll.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <stdexcept>

namespace zorva {
namespace {

// Blanks and signs must come before digits and digits before letters, so
// blanks and punctuation stay significant (not the "shifted" handling), and
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

std::string SortText(const EntityRow& row, int column) {
    std::string text = row.Field(column) + "@";
    for (int c = 0; c < EntityRow::kFieldCount; ++c) text += row.Field(c) + "\n";
    return text;
}

std::string SortKey(const icu::Collator& collator, const std::string& utf8) {
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
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

}  // namespace

const char* SortDirectionText(bool ascending) {
    return ascending ? kAscendingText : kDescendingText;
}

void SortRows(std::vector<EntityRow>& rows, int column, bool ascending) {
    if (column < 0 || column >= EntityRow::kFieldCount) return;
    const icu::Collator& collator = PolishCollator();
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (const auto& row : rows) keys.push_back(SortKey(collator, SortText(row, column)));

    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    if (!ascending) std::reverse(order.begin(), order.end());

    std::vector<EntityRow> sorted;
    sorted.reserve(rows.size());
    for (size_t i : order) sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

int FindGridRow(const Grid& grid, const std::string& adif) {
    if (adif.empty()) return 0;
    for (int r = 1; r <= grid.DataRowCount(); ++r)
        if (grid.DataRow(r).adif == adif) return r;
    return 0;
}

void Station::SortGrid() {
    rememberedAdif = grid.CurrentAdif();
    SortRows(grid.rows, sortColumn, sortAscending);
    const int found = FindGridRow(grid, rememberedAdif);
    grid.currentRow = found != 0 ? found : (grid.rows.empty() ? 0 : 1);
}

}  // namespace zorva
