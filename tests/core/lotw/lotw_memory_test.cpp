#include "lotw/lotw_memory.h"

#include <gtest/gtest.h>

#include "files/settings_file.h"
#include "files/settings_section.h"
#include "temp_dir.h"

namespace zorva {
namespace {

using testing::TempDir;

TEST(LotwMemory, EachStationRemembersItsDateAndTheLastLoginServesNewOnes) {
    TempDir dir;
    const std::string ini = dir.File("zorva_rade.ini");
    LotwMemory first = RecallLotw(ini, "SP5ABC");
    EXPECT_TRUE(first.status.ok());
    EXPECT_EQ(first.login, "");
    EXPECT_FALSE(first.lastDownload);

    ASSERT_TRUE(RememberLotwDownload(ini, "sp5abc/p", "sp5abc", {2024, 3, 6}).ok());
    ASSERT_TRUE(RememberLotwDownload(ini, "SP5XYZ", "other", {2024, 1, 2}).ok());
    LotwMemory own = RecallLotw(ini, "SP5ABC/P");
    EXPECT_EQ(own.login, "sp5abc");
    ASSERT_TRUE(own.lastDownload);
    EXPECT_EQ(IsoDate(*own.lastDownload), "2024-03-06");
    LotwMemory fresh = RecallLotw(ini, "SQ1NEW");
    EXPECT_EQ(fresh.login, "other");
    EXPECT_FALSE(fresh.lastDownload);

    ASSERT_TRUE(UpdateSettingsSection(ini, "LoTW", {{"Pobrano SP5XYZ", "2.01.2024"}}).ok());
    EXPECT_FALSE(RecallLotw(ini, "SP5XYZ").lastDownload);
}

TEST(LotwMemory, LivesBesideTheWindowSettingsWithoutEitherLosingTheOther) {
    TempDir dir;
    const std::string ini = dir.File("zorva_rade.ini");
    Settings settings;
    settings.call = "SP5ABC";
    ASSERT_TRUE(WriteSettingsFile(ini, settings).ok());
    ASSERT_TRUE(RememberLotwDownload(ini, "SP5ABC", "sp5abc", {2024, 3, 6}).ok());
    settings.windowWidth = 800;
    ASSERT_TRUE(WriteSettingsFile(ini, settings).ok());

    EXPECT_EQ(ReadSettingsFile(ini).settings, settings);
    EXPECT_EQ(IsoDate(*RecallLotw(ini, "SP5ABC").lastDownload), "2024-03-06");
    std::string bytes = dir.Read("zorva_rade.ini");
    EXPECT_NE(bytes.find("[LoTW]\r\nLogin=sp5abc\r\n"), std::string::npos) << bytes;
}

}  // namespace
}  // namespace zorva
