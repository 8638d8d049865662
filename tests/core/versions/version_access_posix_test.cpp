#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "temp_dir.h"
#include "versions/version_store.h"

namespace zorva {
namespace {

// A private station file in a group folder; then a link in the next version's place.
TEST(KeepVersion, AVersionShowsNoOneMoreThanItsStationFile) {
    testing::TempDir dir;
    const mode_t umask = ::umask(022);
    ::chmod(dir.Path().c_str(), 0750);
    dir.Write("sp9x.txt", "A");
    ::chmod(dir.File("sp9x.txt").c_str(), 0600);
    ASSERT_TRUE(KeepVersion(dir.File("sp9x.txt"), {{2026, 12, 8}, 9, 0, 0}).ok());
    const std::string second = "kopie/sp9x.txt/2026-12-08_090001.txt";
    std::filesystem::create_symlink(dir.File("outside.txt"), dir.File(second));
    dir.Write("sp9x.txt", "B");
    ASSERT_TRUE(KeepVersion(dir.File("sp9x.txt"), {{2026, 12, 8}, 9, 0, 1}).ok());
    ::umask(umask);
    for (const std::string name : {"kopie", "kopie/sp9x.txt", second.c_str()}) {
        struct stat st {};
        ASSERT_EQ(::lstat(dir.File(name).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, S_ISDIR(st.st_mode) ? 0750u : 0600u) << name;
    }
    EXPECT_FALSE(dir.Exists("outside.txt"));
}

}  // namespace
}  // namespace zorva
