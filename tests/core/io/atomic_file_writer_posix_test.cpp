#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "io/file_system.h"
#include "temp_dir.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

TEST(AtomicWrite, ReplacesTheFileALinkNamesAndKeepsTheLink) {
    testing::TempDir dir;
    dir.Write("s.txt", "old");
    fs::create_symlink("s.txt", dir.File("near"));
    fs::create_symlink(dir.File("near"), dir.File("far"));
    fs::create_symlink("new.txt", dir.File("dangling"));
    fs::create_symlink("loop", dir.File("loop"));
    ASSERT_TRUE(WriteFileAtomic(dir.File("far"), "new").ok());
    ASSERT_TRUE(WriteFileAtomic(dir.File("dangling"), "created").ok());
    EXPECT_FALSE(WriteFileAtomic(dir.File("loop"), "x").ok());
    EXPECT_EQ(dir.Read("s.txt"), "new");
    EXPECT_EQ(dir.Read("new.txt"), "created");
    for (const char* link : {"near", "far", "dangling", "loop"})
        EXPECT_TRUE(fs::is_symlink(dir.File(link))) << link;
}

TEST(AtomicWrite, ReplacedFileKeepsItsModeAndANewOneGetsTheUsualModeLessTheUmask) {
    testing::TempDir dir;
    dir.Write("s.txt", "old");
    for (mode_t mode : {0600, 0640, 0755}) {
        ASSERT_EQ(::chmod(dir.File("s.txt").c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomic(dir.File("s.txt"), "new").ok());
        EXPECT_EQ(ModeOf(dir.File("s.txt")), mode) << std::oct << mode;
    }
    for (mode_t mask : {022, 077}) {
        const mode_t before = ::umask(mask);
        const std::string path = dir.File("new" + std::to_string(mask));
        const bool written = WriteFileAtomic(path, "x").ok();
        ::umask(before);
        ASSERT_TRUE(written);
        EXPECT_EQ(ModeOf(path), 0666 & ~mask) << std::oct << mask;
    }
}

}  // namespace
}  // namespace zorva
