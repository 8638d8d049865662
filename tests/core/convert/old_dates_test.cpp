#include "convert/old_dates.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

const std::string kUnknown = kUnknownDate;

TEST(ConvertOldQsoDate, TakesFourAndTwoDigitYears) {
    EXPECT_EQ(ConvertOldQsoDate("17.05.2003"), "2003-05-17");
    EXPECT_EQ(ConvertOldQsoDate("17.05.03"), "2003-05-17");
    EXPECT_EQ(ConvertOldQsoDate("17.05.98"), "1998-05-17");
}

TEST(ConvertOldQsoDate, SplitsTheCenturyAfterFifty) {
    EXPECT_EQ(ConvertOldQsoDate("01.02.50"), "2050-02-01");
    EXPECT_EQ(ConvertOldQsoDate("01.02.51"), "1951-02-01");
    EXPECT_EQ(ConvertOldQsoDate("01.02.00"), "2000-02-01");
    EXPECT_EQ(ConvertOldQsoDate("01.02.99"), "1999-02-01");
}

TEST(ConvertOldQsoDate, UnreadableYearGivesTheUnknownDate) {
    EXPECT_EQ(kUnknown, "?\?\?\?-?\?-?\?");  // escaped: "??-" would be a trigraph
    EXPECT_EQ(ConvertOldQsoDate(""), kUnknown);
    EXPECT_EQ(ConvertOldQsoDate("17.05."), kUnknown);
    EXPECT_EQ(ConvertOldQsoDate("17.05.xx"), kUnknown);
    EXPECT_EQ(ConvertOldQsoDate("17.05.3"), kUnknown);
}

TEST(ConvertOldVerificationDate, KeepsEmptyAndAlreadyConvertedDates) {
    EXPECT_EQ(ConvertOldVerificationDate(""), "");
    EXPECT_EQ(ConvertOldVerificationDate("2004-01-20"), "2004-01-20");
    EXPECT_EQ(ConvertOldVerificationDate("2004"), "2004");  // an unexpected length stays
}

TEST(ConvertOldVerificationDate, RearrangesDayMonthYear) {
    EXPECT_EQ(ConvertOldVerificationDate("20.01.2004"), "2004-01-20");
    EXPECT_EQ(ConvertOldVerificationDate("20.01.04"), "2004-01-20");
    EXPECT_EQ(ConvertOldVerificationDate("20.01.97"), "1997-01-20");
    EXPECT_EQ(ConvertOldVerificationDate("20.01.ab"), kUnknown);
}

}  // namespace
}  // namespace zorva
