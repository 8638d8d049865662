#include "import/import_rules.h"

#include <gtest/gtest.h>

#include "import/append_session.h"
#include "temp_dir.h"

namespace zorva {
namespace {

TEST(ImportExtractPath, DropsTheExtensionOfTheFileNameOnly) {
    EXPECT_EQ(ExtractPath("/home/sp/moj.adi", Confirmation::Qsl), "/home/sp/moj_qsl.adi");
    EXPECT_EQ(ExtractPath("/home/sp/log.adif", Confirmation::Lotw), "/home/sp/log_lotw.adi");
    EXPECT_EQ(ExtractPath("/home/sp.v2/log", Confirmation::Qsl), "/home/sp.v2/log_qsl.adi");
    EXPECT_EQ(ExtractPath("/home/sp/.adi", Confirmation::Qsl), "/home/sp/.adi_qsl.adi");
    EXPECT_EQ(ExtractPath("a.b.adi", Confirmation::Qsl), "a.b_qsl.adi");
}

TEST(ImportEntityNumber, OnlyNumbersOneTo999) {
    EXPECT_EQ(ParseEntityNumber("291"), 291);
    EXPECT_EQ(ParseEntityNumber("001"), 1);
    EXPECT_EQ(ParseEntityNumber(" 7 "), 7);
    EXPECT_EQ(ParseEntityNumber("0"), 0);
    EXPECT_EQ(ParseEntityNumber("999"), 999);
    EXPECT_EQ(ParseEntityNumber("1291"), 0);
    EXPECT_EQ(ParseEntityNumber("-1"), 0);
    EXPECT_EQ(ParseEntityNumber(""), 0);
    EXPECT_EQ(ParseEntityNumber(std::nullopt), 0);
}

TEST(ImportQsoDate, YearMonthDayOrEmpty) {
    EXPECT_EQ(FormatQsoDate("20240105"), "2024-01-05");
    EXPECT_EQ(FormatQsoDate(""), "");
    EXPECT_EQ(FormatQsoDate(std::nullopt), "");
}

TEST(ImportAppendSession, FileChangesOnlyAtCommitAndKeepsItsLines) {
    testing::TempDir dir;
    dir.Write("e.txt", "title\r\n");
    {
        AppendSession session(dir.File("e.txt"));
        ASSERT_TRUE(session.Append("one\r\n").ok());
        EXPECT_EQ(dir.Read("e.txt"), "title\r\n");
        ASSERT_TRUE(session.Commit().ok());
    }
    EXPECT_EQ(dir.Read("e.txt"), "title\r\none\r\n");
    {
        AppendSession dropped(dir.File("e.txt"));
        ASSERT_TRUE(dropped.Append("two\r\n").ok());
    }
    EXPECT_EQ(dir.Read("e.txt"), "title\r\none\r\n");
    AppendSession fresh(dir.File("new.txt"));
    ASSERT_TRUE(fresh.Append("x\r\n").ok());
    ASSERT_TRUE(fresh.Commit().ok());
    EXPECT_EQ(dir.Read("new.txt"), "x\r\n");
}

}  // namespace
}  // namespace zorva
