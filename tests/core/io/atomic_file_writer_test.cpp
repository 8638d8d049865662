#include <gtest/gtest.h>

#include <filesystem>

#include "io/fault_injection.h"
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

// Unflushed, a new version renamed into place can be empty after a power cut.
TEST(AtomicWrite, FlushesTheNewVersionBeforeRenamingIt) {
    testing::TempDir dir;
    fault_injection::StartRecording();
    EXPECT_TRUE(WriteFileAtomic(dir.File("s.txt"), "new").ok());
    EXPECT_EQ(fault_injection::StopRecording(),
              (std::vector{FileOp::Open, FileOp::Write, FileOp::Flush, FileOp::Rename}));
}

TEST(AtomicWrite, ARenameRefusedOverAFolderIsReportedAndLeavesNoTemporaryFile) {
    testing::TempDir dir;
    std::filesystem::create_directory(PathFromUtf8(dir.File("s.txt")));
    EXPECT_EQ(WriteFileAtomic(dir.File("s.txt"), "new").step, IoStep::Replace);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(PathFromUtf8(dir.Path())), {}), 1);
}

}  // namespace
}  // namespace zorva
