#include "text/cp1250.h"

#include <gtest/gtest.h>

#include "text/columns.h"

namespace zorva {
namespace {

TEST(Cp1250, EveryByteReadsAndWritesBackUnchanged) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    auto back = EncodeCp1250(DecodeCp1250(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(all, *back);
}

TEST(Cp1250, PolishLettersMapToTheirCodePage) {
    EXPECT_EQ("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF", *EncodeCp1250("ąćęłńóśźż"));
    EXPECT_EQ("Zażółć", DecodeCp1250("Za\xBF\xF3\xB3\xE6"));
}

TEST(Cp1250, CharactersOutsideTheCodePageAreRefusedNotReplaced) {
    EXPECT_TRUE(EncodeCp1250("€").has_value());  // the euro sign is in the code page
    EXPECT_FALSE(EncodeCp1250("Ω").has_value());
    EXPECT_FALSE(EncodeCp1250("\xFF\xFE").has_value());  // not UTF-8
    EXPECT_EQ("Ω", FirstUnencodable("SP5Ω1"));
}

TEST(Columns, PadAndCutCountCharactersNotBytes) {
    EXPECT_EQ("Łódź ", PadCut("Łódź", 5));
    EXPECT_EQ("Łód", PadCut("Łódź", 3));
    EXPECT_EQ("  1", PadLeft("1", 3));
    EXPECT_EQ("ó", ColumnAt("Łódź", 2));
    EXPECT_EQ("", ColumnAt("ab", 3));
    EXPECT_EQ("dź", Columns("Łódź", 2, 10));
}

TEST(Columns, CaseMappingCoversPolishLetters) {
    EXPECT_EQ("SP5ĄĆ", ToUpperText("sp5ąć"));
    EXPECT_EQ("sp5ąć", ToLowerText("SP5ĄĆ"));
    EXPECT_EQ("a b", Trim("  a b \t\r"));
}

}  // namespace
}  // namespace zorva
