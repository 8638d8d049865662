#include "editor/editor_line.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(EditorLine, BuildsThirtySevenColumnsWithPaddingAndCutting) {
    EXPECT_EQ("246| |1A0  |Military Order of Malta |",
              BuildEditorLine("246", false, "1A0", "Military Order of Malta"));
    EXPECT_EQ("  1|D|VE   |Canada                  |",
              BuildEditorLine("  1", true, "VE", "Canada"));
    EXPECT_EQ(" 49| |3C0AB|Annobon Island and a ver|",
              BuildEditorLine(" 49", false, "3C0ABC", "Annobon Island and a very long name"));
    EXPECT_EQ(
        " 49| |SP   |Łódź Śródmieście Żółć   |",
        BuildEditorLine(" 49", false, "SP", "Łódź Śródmieście Żółć"));  // widths count characters
}

TEST(EditorLine, ReadsTheColumnsOfALine) {
    const std::string line = " 23|D|1B   |Blenheim Reef           |";
    EXPECT_EQ(" 23", LineNumber(line));
    EXPECT_TRUE(LineIsDeleted(line));
    EXPECT_EQ("1B", LinePrefix(line));
    EXPECT_EQ("Blenheim Reef", LineName(line));
    EXPECT_FALSE(LineIsDeleted("246| |1A0  |Military Order of Malta |"));
    EXPECT_FALSE(LineIsDeleted("12"));
}

TEST(EditorLine, PrefixesCompareByCharacterCodeWithLeadingPartSmaller) {
    EXPECT_TRUE(PrefixGreater("3D2/C", "3D2"));
    EXPECT_TRUE(PrefixGreater("3DA", "3D2/C"));
    EXPECT_FALSE(PrefixGreater("3D2", "3D2"));
    EXPECT_TRUE(PrefixGreater("a", "Z"));  // case-sensitive: lower case after upper case
    // Windows-1250 codes, as the file holds them: "ą" is 0xB9, "ł" 0xB3 (in UTF-8 the other way
    // round).
    EXPECT_TRUE(PrefixGreater("ą", "ł"));
}

TEST(EditorLine, PlaceIsBeforeTheFirstGreaterPrefixWithoutSortingTheRest) {
    const std::vector<std::string> lines = {
        "460| |3D2  |Rotuma Island           |", "176| |3D2  |Fiji                    |",
        "468| |3DA  |Swaziland               |", "  1| |VE   |Canada                  |",
        "100| |LU   |Argentina               |",  // out of order: never looked past
    };
    EXPECT_EQ(2u, PrefixPlace(lines, "3D2/C"));
    EXPECT_EQ(2u, PrefixPlace(lines, "3D2"));
    EXPECT_EQ(0u, PrefixPlace(lines, "1A0"));
    EXPECT_EQ(3u, PrefixPlace(lines, "LU"));
    EXPECT_EQ(5u, PrefixPlace(lines, "ZS"));
}

TEST(EditorLine, NumbersFoundAsTextOrByValue) {
    const std::vector<std::string> lines = {" 61| |VK9W |Willis Island           |",
                                            "246| |1A0  |Military Order of Malta |"};
    EXPECT_EQ(1, FindNumberText(lines, "246"));
    EXPECT_EQ(0, FindNumberText(lines, "61"));
    EXPECT_EQ(-1, FindNumberText(lines, "061"));
    EXPECT_EQ(0, FindNumberValue(lines, "061"));
    EXPECT_EQ(-1, FindNumberValue(lines, "6"));
    EXPECT_EQ("0", WithoutLeadingZeros("000"));
    EXPECT_EQ("61", WithoutLeadingZeros("061"));
}

}  // namespace
}  // namespace zorva
