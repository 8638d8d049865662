#include <gtest/gtest.h>

#include <filesystem>

#include "io/file_system.h"
#include "io/utf8_path.h"
#include "temp_dir.h"

namespace zorva {
namespace {

// Polish names reach the system as wide strings on Windows; a narrow call would
// write "ŁÓDŹ.txt" under another name or fail.
TEST(AtomicWrite, ReplacesAndCreatesFilesWithPolishNamesLeavingNothingElse) {
    testing::TempDir dir;
    dir.Write("SP9ŁÓDŹ.txt", "old");
    ASSERT_TRUE(WriteFileAtomic(dir.File("SP9ŁÓDŹ.txt"), "new").ok());
    ASSERT_TRUE(WriteFileAtomic(dir.File("żółw.txt"), "created").ok());
    EXPECT_EQ(dir.Read("SP9ŁÓDŹ.txt"), "new");
    EXPECT_EQ(dir.Read("żółw.txt"), "created");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(dir.Path()))) {
        ++files;
        EXPECT_TRUE(entry.is_regular_file()) << Utf8Of(entry.path());
    }
    EXPECT_EQ(files, 2);
}

}  // namespace
}  // namespace zorva
