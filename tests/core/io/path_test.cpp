#include <gtest/gtest.h>

#include <filesystem>

#include "io/directory.h"
#include "io/file_system.h"
#include "io/utf8_path.h"
#include "temp_dir.h"

namespace zorva {
namespace {

TEST(PathParts, SplitAndJoinSlashedPaths) {
    EXPECT_EQ(DirectoryOf("/home/sp5abc/sp5abc.txt"), "/home/sp5abc/");
    EXPECT_EQ(DirectoryOf("sp5abc.txt"), "./");
    EXPECT_EQ(FileNameOf("/home/sp5abc/sp5abc.txt"), "sp5abc.txt");
    EXPECT_EQ(FileNameOf("sp5abc.txt"), "sp5abc.txt");
    EXPECT_EQ(JoinPath("/home/sp5abc", "kopie"), "/home/sp5abc/kopie");
    EXPECT_EQ(JoinPath("/home/sp5abc/", "kopie"), "/home/sp5abc/kopie");
    EXPECT_EQ(JoinPath("", "kopie"), "kopie");
}

// The command line hands the core paths in the system's own form (C:\... on Windows).
TEST(PathParts, FoldersAreMadeAlongAPathInTheSystemsForm) {
    testing::TempDir dir;
    const std::filesystem::path native =
        (PathFromUtf8(dir.Path()) / "kopie" / PathFromUtf8("SP9ŁÓDŹ.txt")).make_preferred();
    const std::string path = Utf8Of(native);
    ASSERT_TRUE(MakeDirectories(path).ok());
    EXPECT_TRUE(IsDirectory(path));
    EXPECT_EQ(FileNameOf(path), "SP9ŁÓDŹ.txt");
    EXPECT_TRUE(IsDirectory(DirectoryOf(path)));
    EXPECT_TRUE(WriteFileAtomic(JoinPath(path, "a.txt"), "x").ok());
    EXPECT_EQ(dir.Read("kopie/SP9ŁÓDŹ.txt/a.txt"), "x");
}

}  // namespace
}  // namespace zorva
