#include "files/ini_edit.h"

#include <gtest/gtest.h>

#include "files/settings_file.h"
#include "files/settings_section.h"
#include "temp_dir.h"

namespace zorva {
namespace {

using namespace std::string_literals;

// Only the key set changes; lines no reader understands, NUL bytes, later
// duplicates and their line ends stay byte for byte.
TEST(IniEdit, SetsOnlyTheKeyAndKeepsEveryOtherByte) {
    struct Case {
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"", "[LoTW]\r\nLogin=a\r\n"},
        {"junk\r\n[lotw]\r\nx\0y\r\nlogin = old\r\nLogin=dup\n"s,
         "junk\r\n[lotw]\r\nx\0y\r\nLogin=a\r\nLogin=dup\n"s},
        {"[LoTW]\r\nOther=1\r\n\r\n[Widok]\r\nA=1",
         "[LoTW]\r\nOther=1\r\nLogin=a\r\n\r\n[Widok]\r\nA=1"},
        {"[Widok]\r\nA=1", "[Widok]\r\nA=1\r\n\r\n[LoTW]\r\nLogin=a\r\n"},
        {"; komentarz\r\n[LoTW]", "; komentarz\r\n[LoTW]\r\nLogin=a\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SetIniValues(c.before, "LoTW", {{"Login", "a"}}), c.after) << c.before;
}

TEST(IniEdit, WindowSettingsKeepLinesOfOtherFeaturesAndHugeFilesAreRefused) {
    testing::TempDir dir;
    dir.Write("z.ini", "[Konfiguracja]\r\nZnak=SP1A\r\nnie klucz\r\n[LoTW]\r\nLogin=x\0y\r\n"s);
    Settings settings;
    settings.call = "SP5ABC";
    ASSERT_TRUE(WriteSettingsFile(dir.File("z.ini"), settings).ok());
    const std::string bytes = dir.Read("z.ini");
    EXPECT_NE(bytes.find("Znak=SP5ABC\r\nnie klucz\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("[LoTW]\r\nLogin=x\0y\r\n"s), std::string::npos) << bytes;

    dir.Write("z.ini", std::string(kMaxSettingsBytes + 1, '\n'));
    EXPECT_EQ(ReadSettingsFile(dir.File("z.ini")).status.kind, IoKind::Corrupt);
    EXPECT_EQ(UpdateSettingsSection(dir.File("z.ini"), "LoTW", {{"Login", "a"}}).kind,
              IoKind::Corrupt);
    EXPECT_EQ(dir.Read("z.ini").size(), kMaxSettingsBytes + 1);
}

}  // namespace
}  // namespace zorva
