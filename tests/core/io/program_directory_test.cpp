#include "io/program_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.h"

namespace zorva {
namespace {

using testing::TempDir;

class ProgramDirectoryRule : public ::testing::Test {
  protected:
    ProgramDirectoryRule() {
        for (const char* folder : {"bin", "share/zorva_rade"})
            std::filesystem::create_directories(dir.File(folder));
    }
    InstallPlaces Places(const std::string& bin, const std::string& user) const {
        return {dir.File(bin), dir.File(user), dir.File("share/zorva_rade")};
    }
    TempDir dir;
};

TEST_F(ProgramDirectoryRule, IsTheExecutablesFolderWhenItHoldsTheReference) {
    dir.Write("bin/dxcc_adif.kvt", "x");
    EXPECT_EQ(ChooseProgramDirectory(Places("bin", "user")), dir.File("bin"));
    EXPECT_FALSE(dir.Exists("user"));
}

TEST_F(ProgramDirectoryRule, OtherwiseTheUserFolderIsSeededWithoutReplacingFiles) {
    std::filesystem::create_directories(dir.File("user"));
    dir.Write("share/zorva_rade/dxcc_adif.kvt", "shipped");
    dir.Write("share/zorva_rade/dxcc_adif_backup.kvt", "template");
    dir.Write("user/dxcc_adif_backup.kvt", "edited by the user");
    EXPECT_EQ(ChooseProgramDirectory(Places("bin", "user")), dir.File("user"));
    EXPECT_EQ(dir.Read("user/dxcc_adif.kvt"), "shipped");
    EXPECT_EQ(dir.Read("user/dxcc_adif_backup.kvt"), "edited by the user");
    // Nothing installed: the folder is still made, and the start-up reports the missing file.
    const InstallPlaces bare{dir.File("nowhere/bin"), dir.File("fresh"), dir.File("nowhere/share")};
    EXPECT_EQ(ChooseProgramDirectory(bare), dir.File("fresh"));
    EXPECT_TRUE(dir.Exists("fresh"));
}

}  // namespace
}  // namespace zorva
