#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "text/collation.h"
#include "text/sign_order.h"

namespace zorva {
namespace {

std::vector<std::string> SortedBy(std::vector<std::string> texts,
                                  std::string (*prepare)(std::string_view)) {
    std::stable_sort(texts.begin(), texts.end(), [&](const std::string& a, const std::string& b) {
        return PolishSortKey(prepare(a)) < PolishSortKey(prepare(b));
    });
    return texts;
}

std::string AsItIs(std::string_view text) {
    return std::string(text);
}

// Windows sorts ranked texts; the ranks must give ICU's own order of every
// string of up to two characters mixing signs, digits and letters.
TEST(SignOrder, RankedSignsSortAsICUSortsTheSigns) {
    std::vector<std::string> singles;
    for (char c : kSignOrder) singles.emplace_back(1, c);
    EXPECT_EQ(SortedBy(singles, AsItIs), singles);

    for (const char* other : {"0", "9", "a", "Ą", "z"}) singles.emplace_back(other);
    std::vector<std::string> texts = singles;
    for (const auto& first : singles)
        for (const auto& second : singles) texts.push_back(first + second);
    std::reverse(texts.begin(), texts.end());
    EXPECT_EQ(SortedBy(texts, WithSignsRanked), SortedBy(texts, AsItIs));
}

}  // namespace
}  // namespace zorva
