#include "entry/typed_fields.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

TEST(TypedCallTest, CapitalsPaddedToTheFieldWidth) {
    EXPECT_EQ("DL1ABC         ", CallFieldFromTyped("dl1abc"));
    EXPECT_EQ("SP9ŁĄ          ", CallFieldFromTyped("sp9łą"));
    EXPECT_EQ(std::string(15, ' '), CallFieldFromTyped(""));
    EXPECT_EQ("ABCDEFGHIJKLMNO", CallFieldFromTyped("abcdefghijklmno"));
}

TEST(TypedCallTest, LongerThanTheFieldIsRefused) {
    EXPECT_EQ(std::nullopt, CallFieldFromTyped("ABCDEFGHIJKLMNOP"));
}

TEST(TypedDateTest, FitsTheMaskOrIsRefused) {
    EXPECT_EQ("2024-05-17", DateFieldFromTyped("2024-05-17"));
    EXPECT_EQ("    -  -  ", DateFieldFromTyped(""));
    EXPECT_EQ("2024-05-  ", DateFieldFromTyped("2024-05-__"));
    EXPECT_EQ("2024- 5-17", DateFieldFromTyped("2024- 5-17"));
    for (const char* bad : {"2024-5-17", "2024/05/17", "2024-05-1x", "17.05.2024", "2024-05-170"}) {
        EXPECT_EQ(std::nullopt, DateFieldFromTyped(bad)) << bad;
    }
}

}  // namespace
}  // namespace zorva
