#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "text/collation.h"
#include "text/columns.h"
#include "text/cp1250.h"

namespace zorva {
namespace {

std::string ReadSourceFile(const std::string& name) {
    std::ifstream in(std::string(ZORVA_SOURCE_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The name is the fourth column of "adif|flag|prefix|name|".
std::vector<std::string> ShippedEntityNames() {
    std::vector<std::string> names;
    for (const auto& line : Lines(DecodeCp1250(ReadSourceFile("data/dxcc_adif.kvt")))) {
        size_t start = 0;
        for (int column = 0; column < 3; ++column) start = line.find('|', start) + 1;
        names.push_back(Trim(line.substr(start, line.find('|', start) - start)));
    }
    return names;
}

// Both systems must list the entities alike; the names hold blanks and signs.
TEST(EntityNameOrder, EveryShippedNameSortsIntoTheFixedOrder) {
    std::vector<std::string> names = ShippedEntityNames();
    ASSERT_GT(names.size(), 400u);
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return PolishSortKey(a) < PolishSortKey(b);
    });
    EXPECT_EQ(names, Lines(ReadSourceFile("tests/core/text/entity_name_order.txt")));
}

}  // namespace
}  // namespace zorva
