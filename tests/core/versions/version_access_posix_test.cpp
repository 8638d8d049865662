#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "temp_dir.h"
#include "versions/version_store.h"

namespace zorva {
namespace {

using testing::TempDir;

unsigned ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

// A private station file in a group folder: its versions are as private, their
// folders no more open than the station's, and a link in their place is not followed.
TEST(KeepVersion, AVersionShowsNoOneMoreThanItsStationFile) {
    TempDir dir;
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
    EXPECT_EQ(ModeOf(dir.File("kopie")), 0750u);
    EXPECT_EQ(ModeOf(dir.File("kopie/sp9x.txt")), 0750u);
    EXPECT_EQ(ModeOf(dir.File("kopie/sp9x.txt/2026-12-08_090000.txt")), 0600u);
    EXPECT_EQ(ModeOf(dir.File(second)), 0600u);
    EXPECT_EQ(dir.Read(second), "B");
    EXPECT_FALSE(dir.Exists("outside.txt"));
}

}  // namespace
}  // namespace zorva
